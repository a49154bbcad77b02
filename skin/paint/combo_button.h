#pragma once

#include "skin/core/properties.h"

#include <windows.h>

namespace skin {

// Draws a combo box's drop-down button in `state` (turned into pressed while
// the list is dropped down). dc 0 means the window's whole-window context.
void paintComboButton(HWND hwnd, HDC dc, VisualState& state, bool force) noexcept;
// The same at the DPI given instead of the window's own.
void paintComboButtonAtDpi(HWND hwnd, HDC dc, VisualState& state, bool force, int dpi) noexcept;

} // namespace skin
