// The progress bar, painted whole by the skin: white inside a one-pixel frame
// in the skin colour, filled from the left (or from the bottom) in the
// progress colour. The position is read as a fraction of 30000.
#pragma once

#include <windows.h>

namespace skin {

inline constexpr int kProgressFullScale = 30000;

// The client area, composed off-screen and copied onto `dc` (client
// coordinates), or inside BeginPaint/EndPaint when dc is 0.
void paintProgressClient(HWND hwnd, HDC dc = nullptr) noexcept;
// The whole window, frame included, onto `dc` (window coordinates), or onto
// its whole-window context when dc is 0.
void paintProgressWindow(HWND hwnd, HDC dc = nullptr) noexcept;

} // namespace skin
