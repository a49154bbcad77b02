// Hover tracking: what a control shows while the pointer is over it, and
// when it leaves.
#pragma once

#include <windows.h>

namespace skin {

LRESULT onMouseMove(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT onMouseLeave(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// Asks the system for one WM_MOUSELEAVE for the window.
void trackMouseLeave(HWND hwnd) noexcept;

// The signed x and y of a packed point (negative left of or above the window).
int readLowWord(LPARAM value) noexcept;
int readHighWord(LPARAM value) noexcept;

// True if the client point lies on the drop-down button of an editable combo box.
bool comboButtonArea(HWND hwnd, int x, int y) noexcept;
// The header item under x (the lower index on a shared border), or -1.
int hitTestHeaderItem(HWND hwnd, int x) noexcept;

// True when the window under the pointer is this one.
bool pointerIsOver(HWND hwnd) noexcept;

} // namespace skin
