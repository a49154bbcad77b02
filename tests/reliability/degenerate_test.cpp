// Controls of absurd sizes and captions, each kind the skin paints: nothing
// crashes, nothing is drawn outside the window, no handle is left behind.
#include "kinds_form.h"

#include "app/form_classes.h"
#include "skin/core/engine.h"
#include "support/gdi_count.h"
#include "support/pixels.h"
#include "support/user_count.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

using namespace qmtest;

namespace {

struct Kind {
    const char* name;
    const wchar_t* className;
    DWORD style;
    DWORD exStyle = 0;
};

const Kind kKinds[] = {
    {"push button", L"Button", BS_PUSHBUTTON},
    {"check box", L"ThunderRT6CheckBox", BS_AUTOCHECKBOX},
    {"option button", L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON},
    {"drop-down list", L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL},
    {"drop-down combo", L"ComboBox", CBS_DROPDOWN | WS_VSCROLL},
    {"simple combo", L"ComboBox", CBS_SIMPLE | CBS_NOINTEGRALHEIGHT},
    {"drive list", L"ThunderRT6DriveListBox", CBS_DROPDOWNLIST | WS_VSCROLL},
    {"data list", L"DataListWndClass", 0, WS_EX_CLIENTEDGE},
    {"grid", L"ApexGridOleDB32", WS_BORDER},
    {"progress bar", L"ProgressBar20WndClass", WS_BORDER},
    {"vertical progress bar", L"ProgressBar20WndClass", WS_BORDER | PBS_VERTICAL | PBS_SMOOTH},
    {"header", L"SysHeader32", HDS_HORZ | HDS_BUTTONS},
    {"list box", L"ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE},
};

const std::wstring kCaptions[] = {
    L"",
    std::wstring(5000, L'W') + std::wstring(5000, L'中'),
    L"&&&&&&&&&&&",
    L"中文 Latin 😀👍🏽 עברית العربية &x",
};

constexpr int kSizes[] = {0, 1, 5, 4000};
constexpr POINT kPlace{60, 60};
constexpr int kParentSize = 160;

bool isCombo(const Kind& kind) { return std::wstring_view(kind.className).find(L"Combo") != std::wstring_view::npos
                                        || std::wstring_view(kind.className) == L"ThunderRT6DriveListBox"; }

// Gives the control its caption where it shows one: window text, combo and
// list items, header items.
HWND makeControl(HWND parent, const Kind& kind, int size, const std::wstring& caption)
{
    HWND control = CreateWindowExW(kind.exStyle, kind.className, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
                                   kPlace.x, kPlace.y, size, size, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    const auto text = reinterpret_cast<LPARAM>(caption.c_str());
    if (isCombo(kind)) {
        SendMessageW(control, CB_ADDSTRING, 0, text);
        SendMessageW(control, CB_SETCURSEL, 0, 0);
    } else if (std::wstring_view(kind.className) == L"SysHeader32") {
        for (int i = 0; i < 2; ++i) {
            HDITEMW item{};
            item.mask = HDI_WIDTH | HDI_TEXT;
            item.cxy = size / 2 + 1;
            item.pszText = const_cast<wchar_t*>(caption.c_str());
            SendMessageW(control, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
    } else if (std::wstring_view(kind.className).find(L"List") != std::wstring_view::npos
               || std::wstring_view(kind.className) == L"ApexGridOleDB32") {
        SendMessageW(control, LB_ADDSTRING, 0, text);
    } else if (std::wstring_view(kind.className) == L"ProgressBar20WndClass") {
        SendMessageW(control, PBM_SETPOS, 60, 0);
    }
    return control;
}

// Every handler that paints: hover, press and release (not on combos, whose
// press opens the drop-down list, a window of its own), leave, fade steps,
// focus, enable, size, paint.
void exercise(HWND control, const Kind& kind, int size)
{
    SendMessageW(control, WM_NCPAINT, 1, 0);
    UpdateWindow(control);
    for (LPARAM point : {MAKELPARAM(size / 2, size / 2), MAKELPARAM(-50, -50), MAKELPARAM(size + 50, 5)}) {
        SendMessageW(control, WM_MOUSEMOVE, 0, point);
        if (!isCombo(kind)) {
            SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
            SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, point);
            SendMessageW(control, WM_LBUTTONUP, 0, point);
        }
        SendMessageW(control, WM_MOUSELEAVE, 0, 0);
    }
    SetFocus(control);
    SendMessageW(control, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(control, WM_KEYUP, VK_SPACE, 0);
    for (int i = 0; i < 3; ++i)
        SendMessageW(control, WM_TIMER, 1, 0);
    EnableWindow(control, FALSE);
    EnableWindow(control, TRUE);
    SetWindowPos(control, nullptr, 0, 0, size, size, SWP_NOMOVE | SWP_NOZORDER);
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
    SetFocus(GetParent(control));
}

// Pixels of the parent's client area outside the control's window rectangle
// (a combo box sets its own height) that are no longer the sentinel colour.
int paintedOutside(HWND parent, HWND control)
{
    RECT client{};
    GetClientRect(parent, &client);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT window{};
    GetWindowRect(control, &window);
    OffsetRect(&window, -client.left, -client.top);
    const Dib shot = captureScreen(client);
    int outside = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            outside += !PtInRect(&window, POINT{x, y}) && shot.pixel(x, y) != kSentinel;
    return outside;
}

} // namespace

TEST(Degenerate, AbsurdSizesAndCaptionsStayInsideTheWindowAndLeakNothing)
{
    quillmend::registerFormClasses();
    registerSuperclass(L"ThunderRT6DriveListBox", L"ComboBox");
    registerSuperclass(L"DataListWndClass", L"ListBox");
    registerSuperclass(L"ApexGridOleDB32", L"ListBox");
    static const HBRUSH sentinel = CreateSolidBrush(kSentinel); // the class keeps it for the process
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = sentinel;
    wc.lpszClassName = L"QmSentinel";
    RegisterClassExW(&wc);
    UniqueWindow parent(CreateWindowExW(WS_EX_TOPMOST, L"QmSentinel", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                        500, 400, kParentSize, kParentSize, nullptr, nullptr, nullptr, nullptr));
    UpdateWindow(parent.get());

    auto run = [&](const Kind& kind, int size, const std::wstring& caption) {
        HWND control = makeControl(parent.get(), kind, size, caption);
        ASSERT_NE(control, nullptr);
        pumpBounded();
        ASSERT_EQ(skin::startSkinEngine(control), 1);
        exercise(control, kind, size);
        EXPECT_EQ(paintedOutside(parent.get(), control), 0);
        EXPECT_EQ(skin::stopSkinEngine(control), 1);
        DestroyWindow(control);
        UpdateWindow(parent.get());
        pumpBounded();
    };
    auto everyRow = [&] {
        for (const Kind& kind : kKinds)
            for (int size : kSizes)
                for (const std::wstring& caption : kCaptions) {
                    // One caption is enough for the very large window.
                    if (size == 4000 && &caption != &kCaptions[1])
                        continue;
                    SCOPED_TRACE(testing::Message() << kind.name << ", " << size << " x " << size << ", caption of "
                                                    << caption.size() << " characters");
                    run(kind, size, caption);
                }
    };
    // The system keeps caches of its own (fonts, brushes, list box data)
    // that fill on the first pass; a leak of the skin grows on every pass.
    everyRow();
    const int gdiBefore = liveGdiObjects();
    const UserObjects userBefore = liveUserObjects();
    everyRow();
    EXPECT_EQ(liveGdiObjects(), gdiBefore);
    EXPECT_EQ(liveUserObjects(), userBefore);
    EXPECT_EQ(skin::attachedWindowCount(), 0);
}
