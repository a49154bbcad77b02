// Size, position and activation of skinned windows.
#pragma once

#include <windows.h>

namespace skin {

// Push buttons keep surfaces and rounded shape matched to their new size.
LRESULT onSize(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// Combo boxes redraw their drop-down button when moved, sized or restacked.
LRESULT onWindowPosChanging(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// Owned windows and dialog boxes that take or give up the activation are skinned.
LRESULT onActivate(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
