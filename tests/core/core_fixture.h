// A small skinned form for the engine's tests: a "Form" container with one
// control of each kind the attach step treats differently.
#pragma once

#include "support/windows.h"

#include "skin/core/engine.h"
#include "skin/core/properties.h"
#include "skin/router/start.h"

#include <commctrl.h>

#include <set>
#include <string>

namespace qmtest {

// The skin's own property names found on a window (the system may keep
// properties of its own, which are left out). Enumerated, as a property may
// hold 0.
inline std::set<std::wstring> skinProperties(HWND hwnd)
{
    static const std::set<std::wstring> skinNames = {
        L"PROCADDR", L"CREATEPROC", L"OLDSTATE", L"OLDSTYLE", L"MOUSEFLAG", L"TIMERID", L"ALPHALEVEL", L"HDINDEX", L"HMINDEX",
        L"HDC0", L"HDC1", L"HDC2", L"HDC3", L"BMP0", L"BMP1", L"BMP2", L"BMP3"};
    std::set<std::wstring> found;
    EnumPropsExW(hwnd, [](HWND, LPWSTR name, HANDLE, ULONG_PTR list) -> BOOL {
        wchar_t text[64]{};
        if (IS_INTRESOURCE(name)) // an atom, not a string
            GlobalGetAtomNameW(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name)), text, 64);
        if (skinNames.contains(IS_INTRESOURCE(name) ? text : name))
            reinterpret_cast<std::set<std::wstring>*>(list)->insert(IS_INTRESOURCE(name) ? text : name);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
}

struct SkinnedForm {
    UniqueWindow form = makeTopLevel(L"Form", 420, 200, L"engine test");
    HWND f = form.get();
    HWND push = makeChild(f, L"Button", L"Push", BS_PUSHBUTTON, 10, 10, 75, 25);
    HWND defPush = makeChild(f, L"Button", L"Default", BS_DEFPUSHBUTTON, 10, 40, 75, 25);
    HWND autoRadio = makeChild(f, L"Button", L"Radio", BS_AUTORADIOBUTTON, 10, 70, 75, 20); // owner-draw too
    HWND check = makeChild(f, L"Button", L"Check", BS_AUTOCHECKBOX, 10, 95, 75, 20);      // keeps its own look
    HWND group = makeChild(f, L"Button", L"Group", BS_GROUPBOX, 100, 10, 120, 80);        // keeps its own look
    HWND disabled = makeChild(f, L"Button", L"Off", BS_PUSHBUTTON | WS_DISABLED, 10, 120, 75, 25);
    HWND label = makeChild(f, L"Static", L"Label", 0, 100, 100, 60, 16); // an unlisted kind
    HWND combo = makeChild(f, L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 230, 10, 100, 120);
    HWND header = makeChild(f, WC_HEADERW, L"", HDS_BUTTONS, 230, 40, 150, 20);
    HWND inner = makeChild(f, L"Form", L"", WS_CLIPCHILDREN, 230, 70, 150, 60); // a container inside the form
    HWND innerButton = makeChild(inner, L"Button", L"Inner", BS_PUSHBUTTON, 5, 5, 75, 25);

    SkinnedForm() { pumpMessages(); }
    ~SkinnedForm() { skin::stopSkinEngine(f); }
};

} // namespace qmtest
