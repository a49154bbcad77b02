// A push button's fade timer: one 15 ms window timer, its id kept in TIMERID.
// Starting and stopping it is per-window state, so the paint and attach code
// below the fade step can end a fade without knowing how it steps.
#pragma once

#include <windows.h>

namespace skin {

inline constexpr UINT_PTR kFadeTimerId = 1;
inline constexpr UINT kFadeIntervalMs = 15;

UINT_PTR startFadeTimer(HWND hwnd) noexcept;
BOOL stopFadeTimer(HWND hwnd) noexcept;

} // namespace skin
