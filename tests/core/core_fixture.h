// A small skinned form for the engine's tests: a "Form" container with one
// control of each kind the attach step treats differently.
#pragma once

#include "support/windows.h"

#include "skin/core/engine.h"
#include "skin/router/start.h"
#include "skin/core/properties.h"

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace qmtest {

// The skin's own property names found on a window (the system may keep
// properties of its own, which are left out).
std::set<std::wstring> skinProperties(HWND hwnd);

// A hidden dialog box ("#32770") with one push button: hidden, so that it
// takes no activation before the test hands it to the engine.
UniqueWindow makeHiddenDialog();

// Every window below `parent`, at any depth.
std::vector<HWND> descendants(HWND parent);

struct SkinnedForm {
    UniqueWindow form;
    HWND push = nullptr;        // BS_PUSHBUTTON
    HWND defPush = nullptr;     // BS_DEFPUSHBUTTON
    HWND autoRadio = nullptr;   // BS_AUTORADIOBUTTON: switched to owner-draw too
    HWND check = nullptr;       // BS_AUTOCHECKBOX: keeps its own look
    HWND group = nullptr;       // BS_GROUPBOX: keeps its own look
    HWND disabled = nullptr;    // a disabled push button
    HWND label = nullptr;       // "Static": an unlisted kind
    HWND combo = nullptr;       // "ComboBox", drop-down list
    HWND header = nullptr;      // "SysHeader32"
    HWND inner = nullptr;       // a "Form" inside the form
    HWND innerButton = nullptr; // a push button inside the inner form
    std::vector<DWORD> styles;  // style of each control before attach, in creation order

    SkinnedForm();
    ~SkinnedForm();
    int windowCount() const; // the form and every descendant
};

} // namespace qmtest
