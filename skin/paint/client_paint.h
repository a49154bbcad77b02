#pragma once

#include <windows.h>

namespace skin {

// WM_PAINT of every skinned window.
LRESULT onPaint(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// WM_PRINTCLIENT: the same pixels onto the context in wParam, in client
// coordinates, the window's own procedure printing what it paints itself.
LRESULT onPrintClient(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// WM_ERASEBKGND: a common control the skin paints whole is not erased first,
// so the system's colour never shows before the skin's picture.
LRESULT onEraseBackground(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
