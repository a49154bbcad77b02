// The space bar presses and releases a focused button in the skin's look.
#pragma once

#include <windows.h>

namespace skin {

LRESULT onKeyDown(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT onKeyUp(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
