// A toolbar ("ToolbarWindow32") drawn by the skin at a DPI of the caller's
// choosing, straight onto `dc` in client coordinates: paintToolbar draws it
// so off-screen at the window's own DPI.
#pragma once

#include <windows.h>

namespace skin {

void paintToolbarAtDpi(HWND hwnd, HDC dc, int dpi) noexcept;

} // namespace skin
