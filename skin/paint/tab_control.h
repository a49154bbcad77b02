// The tab control as the skin draws it, at any DPI: the part numbers are the
// items' indices.
#pragma once

#include <windows.h>

namespace skin {

// paintTabControl at `dpi` instead of the window's own.
void paintTabControlAtDpi(HWND hwnd, HDC dc, int dpi) noexcept;

} // namespace skin
