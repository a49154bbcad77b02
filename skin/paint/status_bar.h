// The status bar at a DPI given: the painter of common_controls.h draws at
// the window's own, this one the look at any density.
#pragma once

#include <windows.h>

namespace skin {

void paintStatusBarAtDpi(HWND hwnd, HDC dc, int dpi) noexcept;

} // namespace skin
