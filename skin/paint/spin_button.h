// The spin button as the skin draws it, at any DPI. Its parts are the two
// arrows: kSpinIncrease (up, or right with UDS_HORZ) and kSpinDecrease.
#pragma once

#include <windows.h>

namespace skin {

inline constexpr int kSpinIncrease = 0;
inline constexpr int kSpinDecrease = 1;

// paintSpinButton at `dpi` instead of the window's own.
void paintSpinButtonAtDpi(HWND hwnd, HDC dc, int dpi) noexcept;

} // namespace skin
