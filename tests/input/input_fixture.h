// A skinned form with one control of each kind the interaction handlers
// treat, for driving them with messages.
#pragma once

#include "support/windows.h"

#include "skin/core/engine.h"
#include "skin/router/start.h"
#include "skin/core/properties.h"

#include <windows.h>

namespace qmtest {

// Registers `name` as a superclass of `base` with the same procedure, so a
// standard control can stand for a kind known only by another class name.
void registerSuperclass(const wchar_t* name, const wchar_t* base);

struct InputForm {
    UniqueWindow form;
    HWND push = nullptr;       // "Button"
    HWND comboList = nullptr;  // drop-down list: the whole control is the button
    HWND comboEdit = nullptr;  // editable drop-down: only the button area counts
    HWND drive = nullptr;      // drive list
    HWND check = nullptr;      // check box
    HWND option = nullptr;     // option button
    HWND header = nullptr;     // list header with three items of 50 pixels
    HWND label = nullptr;      // an unlisted kind

    InputForm();
    ~InputForm();
};

// Puts the pointer over the middle of `hwnd`, or over the desktop far from
// every test window when hwnd is null.
void pointAt(HWND hwnd);

// Fills the whole window with `colour` through its window DC, so a later
// paint can be told from no paint.
void wipe(HWND hwnd, COLORREF colour);
// True if any pixel of the window differs from `colour`.
bool paintedOver(HWND hwnd, COLORREF colour);

inline LPARAM packPoint(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

} // namespace qmtest
