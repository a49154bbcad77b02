#pragma once

#include <windows.h>

namespace skin {

// WM_PAINT of every skinned window.
LRESULT onPaint(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
