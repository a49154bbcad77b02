// Screen density: the skin is drawn for 96 dots per inch and every fixed
// length of it scales with the DPI its window is drawn at.
#pragma once

#include <windows.h>

namespace skin {

inline constexpr int kBaseDpi = 96;

// A length of the 96-DPI skin at `dpi`, to the nearest pixel (halves away
// from zero). At 96 it is the length itself.
int scaleToDpi(int length, int dpi) noexcept;

// A rectangle of a 96-DPI image at `dpi`. Its edges scale, not its size, so
// parts that touch in the image still touch once scaled.
struct ImagePart {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
ImagePart scalePart(int x, int y, int width, int height, int dpi) noexcept;

// The DPI the window is drawn at: GetDpiForWindow where the system has it,
// otherwise the screen's LOGPIXELSY (the process is system-DPI aware).
int windowDpi(HWND hwnd) noexcept;
// The screen's LOGPIXELSY.
int screenDpi() noexcept;
// A system metric as it is at `dpi`: GetSystemMetricsForDpi where the system
// has it, otherwise the metric rescaled from the screen's DPI.
int systemMetricAt(int index, int dpi) noexcept;

} // namespace skin
