// The pointer on the skin's scroll bars: hot parts, and the tracking of a
// press on an arrow, the track or the thumb. The skin runs the tracking
// itself because the system's own tracking draws the system's bar on every
// step; it sends the same WM_VSCROLL/WM_HSCROLL notifications in the same
// order (line or page codes repeating while held, SB_THUMBTRACK while the
// thumb moves, SB_THUMBPOSITION on release, then SB_ENDSCROLL). A thumb
// drag on a window that may ask the system for the thumb's track position is
// the system's own.
#pragma once

#include <windows.h>

namespace skin {

// Auto-repeat of a held arrow or page: the first repeat, then every next.
inline constexpr UINT kScrollFirstDelay = 200;
inline constexpr UINT kScrollRepeatDelay = 50;

// WM_NCLBUTTONDOWN and WM_NCLBUTTONDBLCLK: a press on a frame bar.
LRESULT onNcLButtonDown(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// WM_NCMOUSEMOVE and WM_NCMOUSELEAVE: the hot part of a frame bar.
LRESULT onNcMouseMove(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT onNcMouseLeave(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// The pointer messages of a "ScrollBar" window (move, press, double click, leave).
LRESULT onScrollBarWindowMouse(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// The SBM_ messages that change a "ScrollBar" window: the system's redraw is
// left out and the skin draws instead.
LRESULT onScrollBarWindowChange(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// SBM_GETSCROLLINFO: while the skin drags a "ScrollBar" window's thumb, the
// track position asked for is where the thumb is held.
LRESULT onScrollBarWindowInfo(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
