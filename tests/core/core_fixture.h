// A small skinned form for the engine's tests: a "Form" container with one
// control of each kind the attach step treats differently.
#pragma once

#include "support/windows.h"

#include "skin/core/button_surfaces.h"
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
        L"PROCADDR", L"CREATEPROC", L"PASSPROC", L"OLDSTATE", L"OLDSTYLE", L"MOUSEFLAG", L"TIMERID", L"ALPHALEVEL", L"HDINDEX", L"HMINDEX",
        L"SHIELD", L"FACES", L"SBHOT", L"SBDOWN", L"SBSIGN",
        L"SBBITS"};
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

// Not skinned until a test starts the engine on it; a dialog box when `cls` is "#32770".
struct SkinnedForm {
    explicit SkinnedForm(const wchar_t* cls = L"Form") : form(makeTopLevel(cls, 420, 200, L"engine test")) { pumpMessages(); }
    ~SkinnedForm() { skin::stopSkinEngine(f); }
    UniqueWindow form;
    HWND f = form.get();
    HWND push = makeChild(f, L"Button", L"Push", BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 75, 25);
    HWND defPush = makeChild(f, L"Button", L"Default", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 40, 75, 25);
    HWND notify = makeChild(f, L"Button", L"Notify", BS_PUSHBUTTON | BS_NOTIFY, 10, 150, 75, 25);
    HWND autoRadio = makeChild(f, L"Button", L"Radio", BS_AUTORADIOBUTTON | WS_GROUP, 10, 70, 75, 20); // a skinned option button
    HWND down = makeChild(f, L"Button", L"Down", BS_AUTORADIOBUTTON, 100, 150, 75, 20);
    HWND check = makeChild(f, L"Button", L"Check", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 95, 75, 20); // a skinned check box
    HWND group = makeChild(f, L"Button", L"Group", BS_GROUPBOX, 100, 10, 120, 80);        // drawn by the skin, no state of its own
    HWND disabled = makeChild(f, L"Button", L"Off", BS_PUSHBUTTON | WS_DISABLED, 10, 120, 75, 25);
    HWND label = makeChild(f, L"Static", L"Label", 0, 100, 100, 60, 16); // an unlisted kind
    HWND combo = makeChild(f, L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 230, 10, 100, 120);
    HWND header = makeChild(f, WC_HEADERW, L"", HDS_BUTTONS, 230, 40, 150, 20);
    HWND inner = makeChild(f, L"Form", L"", WS_CLIPCHILDREN, 230, 70, 150, 60); // a container inside the form
    HWND innerButton = makeChild(inner, L"Button", L"Inner", BS_PUSHBUTTON, 5, 5, 75, 25);
};

} // namespace qmtest
