// The push button fade: a 15 ms window timer, alpha rising by 3 a tick.
#pragma once

#include "skin/core/fade_timer.h"

#include <windows.h>

namespace skin {

inline constexpr int kFadeStep = 3;

LRESULT onTimer(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
