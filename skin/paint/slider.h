// A slider ("msctls_trackbar32") drawn by the skin at a DPI of the caller's
// choosing, straight onto `dc` in client coordinates: paintSlider draws it so
// off-screen at the window's own DPI.
#pragma once

#include <windows.h>

namespace skin {

void paintSliderAtDpi(HWND hwnd, HDC dc, int dpi) noexcept;

} // namespace skin
