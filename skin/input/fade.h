// The push button fade: a 15 ms window timer, alpha rising by 3 a tick.
#pragma once

#include <windows.h>

namespace skin {

inline constexpr UINT_PTR kFadeTimerId = 1;
inline constexpr UINT kFadeIntervalMs = 15;
inline constexpr int kFadeStep = 3;

UINT_PTR startFadeTimer(HWND hwnd) noexcept;
BOOL stopFadeTimer(HWND hwnd) noexcept;
LRESULT onTimer(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
