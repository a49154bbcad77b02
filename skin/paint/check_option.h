#pragma once

#include "skin/core/properties.h"

#include <windows.h>

namespace skin {

// Each returns 1 if it drew, 0 if the state was unchanged and not forced.
// The first two draw at the window's own DPI, the AtDpi ones at the one given.
// They draw on `dc` in window coordinates, or on the window's whole-window
// context when dc is 0.
int paintCheckBox(HWND hwnd, VisualState state, bool force, HDC dc = nullptr) noexcept;
int paintOptionButton(HWND hwnd, VisualState state, bool force, HDC dc = nullptr) noexcept;
int paintCheckBoxAtDpi(HWND hwnd, VisualState state, bool force, int dpi, HDC dc = nullptr) noexcept;
int paintOptionButtonAtDpi(HWND hwnd, VisualState state, bool force, int dpi, HDC dc = nullptr) noexcept;

// Where the control draws its own cx x cy glyph, in window coordinates: at
// the left edge (the right one with BS_LEFTTEXT), centred vertically, or
// centred on the first or last caption line with BS_TOP or BS_BOTTOM.
POINT glyphOrigin(HWND hwnd, int cx, int cy) noexcept;

} // namespace skin
