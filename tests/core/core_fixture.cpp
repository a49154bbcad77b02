#include "core_fixture.h"

#include <commctrl.h>

namespace qmtest {

namespace {

const wchar_t* const kSkinPropertyNames[] = {
    L"PROCADDR", L"OLDSTATE", L"OLDSTYLE", L"MOUSEFLAG", L"TIMERID", L"ALPHALEVEL", L"HDINDEX", L"HMINDEX",
    L"HDC0", L"HDC1", L"HDC2", L"HDC3", L"BMP0", L"BMP1", L"BMP2", L"BMP3"};

BOOL CALLBACK collectChild(HWND hwnd, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

} // namespace

std::set<std::wstring> skinProperties(HWND hwnd)
{
    std::set<std::wstring> found;
    for (const std::wstring& name : propertyNames(hwnd))
        for (const wchar_t* skinName : kSkinPropertyNames)
            if (name == skinName)
                found.insert(name);
    return found;
}

UniqueWindow makeHiddenDialog()
{
    HWND dialog = CreateWindowExW(0, L"#32770", L"dialog", WS_POPUP | WS_CAPTION, 60, 60, 120, 60, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    makeChild(dialog, L"Button", L"OK", BS_PUSHBUTTON, 5, 5, 75, 25);
    return UniqueWindow(dialog);
}

std::vector<HWND> descendants(HWND parent)
{
    std::vector<HWND> found;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

SkinnedForm::SkinnedForm() : form(makeTopLevel(L"Form", 420, 200, L"engine test"))
{
    HWND f = form.get();
    push = makeChild(f, L"Button", L"Push", BS_PUSHBUTTON, 10, 10, 75, 25);
    defPush = makeChild(f, L"Button", L"Default", BS_DEFPUSHBUTTON, 10, 40, 75, 25);
    autoRadio = makeChild(f, L"Button", L"Radio", BS_AUTORADIOBUTTON, 10, 70, 75, 20);
    check = makeChild(f, L"Button", L"Check", BS_AUTOCHECKBOX, 10, 95, 75, 20);
    group = makeChild(f, L"Button", L"Group", BS_GROUPBOX, 100, 10, 120, 80);
    disabled = makeChild(f, L"Button", L"Off", BS_PUSHBUTTON | WS_DISABLED, 10, 120, 75, 25);
    label = makeChild(f, L"Static", L"Label", 0, 100, 100, 60, 16);
    combo = makeChild(f, L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 230, 10, 100, 120);
    header = makeChild(f, WC_HEADERW, L"", HDS_BUTTONS, 230, 40, 150, 20);
    registerPlainClass(L"Form");
    inner = makeChild(f, L"Form", L"", WS_CLIPCHILDREN, 230, 70, 150, 60);
    innerButton = makeChild(inner, L"Button", L"Inner", BS_PUSHBUTTON, 5, 5, 75, 25);
    for (HWND h : {push, defPush, autoRadio, check, group, disabled, label, combo, header, inner, innerButton})
        styles.push_back(static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE)));
    pumpMessages();
}

SkinnedForm::~SkinnedForm()
{
    skin::stopSkinEngine(form.get());
}

int SkinnedForm::windowCount() const
{
    return 1 + static_cast<int>(descendants(form.get()).size());
}

} // namespace qmtest
