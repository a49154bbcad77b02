#include "input_fixture.h"

#include "skin/images/gdi.h"
#include "support/pixels.h"

#include <commctrl.h>

namespace qmtest {

void registerSuperclass(const wchar_t* name, const wchar_t* base)
{
    WNDCLASSEXW wc{sizeof(wc)};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc))
        return;
    GetClassInfoExW(nullptr, base, &wc);
    wc.cbSize = sizeof(wc);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    wc.style &= ~CS_GLOBALCLASS;
    RegisterClassExW(&wc);
}

InputForm::InputForm() : form(makeTopLevel(L"Form", 420, 200, L"input test"))
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    registerSuperclass(L"ThunderRT6DriveListBox", L"ComboBox");
    registerSuperclass(L"ThunderRT6CheckBox", L"Button");
    registerSuperclass(L"ThunderRT6OptionButton", L"Button");
    HWND f = form.get();
    push = makeChild(f, L"Button", L"Push", BS_PUSHBUTTON, 10, 10, 100, 25);
    check = makeChild(f, L"ThunderRT6CheckBox", L"Check", BS_AUTOCHECKBOX, 10, 50, 100, 17);
    option = makeChild(f, L"ThunderRT6OptionButton", L"Option", BS_AUTORADIOBUTTON, 10, 75, 100, 17);
    label = makeChild(f, L"Static", L"Label", 0, 10, 100, 60, 16);
    comboList = makeChild(f, L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 130, 10, 100, 120);
    comboEdit = makeChild(f, L"ComboBox", L"", CBS_DROPDOWN | WS_VSCROLL, 130, 45, 100, 120);
    drive = makeChild(f, L"ThunderRT6DriveListBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 130, 80, 100, 120);
    header = makeChild(f, WC_HEADERW, L"", HDS_BUTTONS, 250, 10, 160, 20);
    for (int i = 0; i < 3; ++i) {
        wchar_t text[] = L"Col";
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.cxy = 50;
        item.pszText = text;
        SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    for (HWND combo : {comboList, comboEdit, drive})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
    pumpMessages();
    skin::startSkinEngine(f);
    pumpMessages();
}

InputForm::~InputForm()
{
    skin::stopSkinEngine(form.get());
}

void pointAt(HWND hwnd)
{
    if (!hwnd) {
        SetCursorPos(1000, 740);
    } else {
        RECT r{};
        GetWindowRect(hwnd, &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    pumpMessages();
}

void wipe(HWND hwnd, COLORREF colour)
{
    skin::WindowDc dc(hwnd);
    RECT r{};
    GetWindowRect(hwnd, &r);
    skin::UniqueBrush brush(CreateSolidBrush(colour));
    RECT all{0, 0, r.right - r.left, r.bottom - r.top};
    FillRect(dc.get(), &all, brush.get());
    GdiFlush();
}

bool paintedOver(HWND hwnd, COLORREF colour)
{
    skin::WindowDc dc(hwnd);
    RECT r{};
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    // Push buttons are clipped to rounded corners: look inside them.
    Dib shown = captureDc(dc.get(), 2, 2, w - 4, h - 4);
    return shown.countNot(colour) > 0;
}

} // namespace qmtest
