#include "kinds_form.h"

#include "app/form_classes.h"
#include "skin/core/engine.h"
#include "skin/core/properties.h"
#include "skin/images/skin_images.h"

#include <commctrl.h>

#include <array>

namespace qmtest {

namespace {

using quillmend::ControlDescription;
using quillmend::ControlType;

constexpr int px(int pixels) { return pixels * 15; }

constexpr std::array kControls{
    ControlDescription{L"Frame1", ControlType::frame, {}, L"分组 Frame", px(10), px(10), px(150), px(80), 0},
    ControlDescription{L"Label1", ControlType::label, L"Frame1", L"框内 Inside", px(10), px(24), px(120), px(17), 1},
    ControlDescription{L"Label2", ControlType::label, {}, L"标签 Label", px(10), px(100), px(120), px(17), 2},
    ControlDescription{L"PushEnabled", ControlType::pushButton, {}, L"确定 OK", px(180), px(10), px(90), px(26), 3},
    ControlDescription{L"PushDisabled", ControlType::pushButton, {}, L"&Off", px(280), px(10), px(90), px(26), 4},
    ControlDescription{L"Check", ControlType::checkBox, {}, L"检查 Check", px(180), px(45), px(110), px(17), 5},
    ControlDescription{L"Option", ControlType::optionButton, {}, L"选项 Option", px(300), px(45), px(110), px(17), 6,
                       quillmend::kSystemColour, std::nullopt, false, WS_GROUP},
    ControlDescription{L"ComboList", ControlType::comboBox, {}, L"", px(180), px(70), px(140), px(200), 7,
                       quillmend::kSystemColour, std::nullopt, false, WS_GROUP},
    ControlDescription{L"ProgressH", ControlType::progressBar, {}, L"", px(10), px(130), px(200), px(18), 8,
                       quillmend::kSystemColour, std::nullopt, false, WS_BORDER},
    ControlDescription{L"ProgressV", ControlType::progressBar, {}, L"", px(480), px(10), px(20), px(140), 9,
                       quillmend::kSystemColour, std::nullopt, false, WS_BORDER | PBS_VERTICAL | PBS_SMOOTH},
    ControlDescription{L"Header", ControlType::listHeader, {}, L"", px(10), px(160), px(300), px(22), 10},
    ControlDescription{L"List", ControlType::listBox, {}, L"", px(10), px(190), px(300), px(80), 11},
};

constexpr quillmend::FormDescription kKindsForm{
    L"KindsForm", L"Kinds", px(520), px(380), {L"宋体", 90, false, false, GB2312_CHARSET}, 0, kControls};

HWND addChild(HWND parent, const wchar_t* className, DWORD style, int x, int y, int w, int h)
{
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

void fill(HWND window, UINT addMessage)
{
    for (const wchar_t* text : {L"第一项 First", L"第二项 Second", L"שלישי Third"})
        SendMessageW(window, addMessage, 0, reinterpret_cast<LPARAM>(text));
}

void prepare(quillmend::Form& form)
{
    EnableWindow(form.window(L"PushDisabled"), FALSE);
    SendMessageW(form.window(L"Check"), BM_SETCHECK, BST_CHECKED, 0);
    fill(form.window(L"ComboList"), CB_ADDSTRING);
    fill(form.window(L"List"), LB_ADDSTRING);
    SendMessageW(form.window(L"ProgressH"), PBM_SETPOS, 40, 0);
    SendMessageW(form.window(L"ProgressV"), PBM_SETPOS, 70, 0);
    HWND header = form.window(L"Header");
    for (int i = 0; i < 3; ++i) {
        HDITEMW item{};
        item.mask = HDI_WIDTH | HDI_TEXT;
        item.cxy = 90;
        item.pszText = const_cast<wchar_t*>(L"名称 Name");
        SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

BOOL CALLBACK collectChild(HWND hwnd, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK collectTree(HWND hwnd, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    EnumChildWindows(hwnd, collectChild, list);
    return TRUE;
}

} // namespace

void registerSuperclass(const wchar_t* name, const wchar_t* base)
{
    WNDCLASSEXW wc{sizeof(wc)};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc))
        return;
    GetClassInfoExW(nullptr, base, &wc);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

KindsForm::KindsForm() : m_form(std::make_unique<quillmend::Form>(kKindsForm))
{
    registerSuperclass(L"ThunderRT6DriveListBox", L"ComboBox");
    registerSuperclass(L"DataListWndClass", L"ListBox");
    registerSuperclass(L"ApexGridOleDB32", L"ListBox");
    HWND form = m_form->hwnd();
    const auto font = reinterpret_cast<WPARAM>(m_form->formFont());
    for (HWND combo : {addChild(form, L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 330, 70, 140, 200),
                       addChild(form, L"ComboBox", CBS_SIMPLE | CBS_NOINTEGRALHEIGHT, 330, 100, 140, 90),
                       addChild(form, L"ThunderRT6DriveListBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 280, 140, 200)}) {
        SendMessageW(combo, WM_SETFONT, font, FALSE);
        fill(combo, CB_ADDSTRING);
    }
    for (HWND list : {addChild(form, L"DataListWndClass", LBS_NOTIFY, 160, 280, 150, 60),
                      addChild(form, L"ApexGridOleDB32", WS_BORDER, 320, 200, 150, 70)}) {
        SendMessageW(list, WM_SETFONT, font, FALSE);
        fill(list, LB_ADDSTRING);
    }
    quillmend::Form* raw = m_form.get();
    m_form->onLoad([raw] {
        prepare(*raw);
        skin::startSkinEngine(raw->hwnd());
    });
    m_form->onUnload([raw] { skin::stopSkinEngine(raw->hwnd()); });
}

KindsForm::~KindsForm() = default;

void KindsForm::show()
{
    m_form->show();
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    pumpBounded();
}

std::vector<HWND> KindsForm::windows() const
{
    std::vector<HWND> all;
    collectTree(hwnd(), reinterpret_cast<LPARAM>(&all));
    const size_t owned = all.size();
    for (size_t i = 0; i < owned; ++i) {
        COMBOBOXINFO info{sizeof(info)};
        if (GetComboBoxInfo(all[i], &info) && info.hwndList && GetParent(info.hwndList) != all[i])
            all.push_back(info.hwndList);
    }
    return all;
}

std::vector<HWND> threadWindows()
{
    std::vector<HWND> all;
    EnumThreadWindows(GetCurrentThreadId(), collectTree, reinterpret_cast<LPARAM>(&all));
    return all;
}

std::vector<HGDIOBJ> skinHandles()
{
    std::vector<HGDIOBJ> handles;
    for (HWND hwnd : threadWindows())
        for (int n = 0; n < 4; ++n)
            for (const wchar_t* name : {skin::prop::kSurfaceDc[n], skin::prop::kSurfaceBitmap[n]})
                if (HANDLE h = GetPropW(hwnd, name))
                    handles.push_back(static_cast<HGDIOBJ>(h));
    for (HDC image : {skin::buttonFaceImage(), skin::comboButtonImage(), skin::markGlyphImage(),
                      skin::optionBubbleImage(), skin::headerItemImage()})
        if (image)
            handles.push_back(image);
    return handles;
}

int detachEverything()
{
    int detached = 0;
    for (HWND hwnd : threadWindows())
        detached += skin::detachWindow(hwnd);
    return detached;
}

bool pumpBounded(int limit)
{
    MSG msg;
    for (int i = 0; i < limit; ++i) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            return true;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return false;
}

} // namespace qmtest
