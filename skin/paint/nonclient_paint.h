#pragma once

#include <windows.h>

namespace skin {

// WM_NCPAINT of every skinned window.
LRESULT onNcPaint(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// WM_PRINT of every skinned window. With PRF_NONCLIENT the skin's parts of
// the frame go onto the context in window coordinates, and the client area
// and children follow with the origin at the client area's corner.
LRESULT onPrint(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// Half the non-client width and height on each side, scroll bars left out.
int measureBorderThickness(HWND hwnd, int& bx, int& by) noexcept;

} // namespace skin
