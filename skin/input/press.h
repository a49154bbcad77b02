// The left mouse button: the pressed look while it is down, and the check
// state refresh after every release.
#pragma once

#include <windows.h>

namespace skin {

LRESULT onLButtonDown(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT onLButtonUp(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT onLButtonDblClk(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// Repaints every attached check box and option button below the released
// window's parent (or below the window itself when it has none).
void refreshCheckStates(HWND released) noexcept;
BOOL CALLBACK repaintCheckChildCallback(HWND hwnd, LPARAM lParam) noexcept;

// Shows a push button pressed at full strength at once, ending any fade.
void showPressed(HWND hwnd) noexcept;

} // namespace skin
