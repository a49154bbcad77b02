// The progress bar, painted whole by the skin: white inside a one-pixel frame
// in the skin colour, filled from the left (or from the bottom) in the
// progress colour. The position is read as a fraction of 30000.
#pragma once

#include <windows.h>

namespace skin {

inline constexpr int kProgressFullScale = 30000;

// The client area, composed off-screen and copied inside BeginPaint/EndPaint.
void paintProgressClient(HWND hwnd) noexcept;
// The whole window, frame included, onto its whole-window context.
void paintProgressWindow(HWND hwnd) noexcept;

} // namespace skin
