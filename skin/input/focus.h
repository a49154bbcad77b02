// Focus and enable: the focus box follows the focus with a fade, and a
// button shows its enabled or disabled face at once.
#pragma once

#include <windows.h>

namespace skin {

// WM_SETFOCUS and WM_KILLFOCUS are handled alike.
LRESULT onSetFocus(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT onKillFocus(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT onEnable(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
