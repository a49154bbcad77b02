#pragma once

#include "skin/core/properties.h"

#include <windows.h>

namespace skin {

// Repaints the whole header off-screen, then onto `dc` (client
// coordinates), or inside BeginPaint/EndPaint when dc is 0.
void paintWholeHeader(HWND hwnd, HDC dc = nullptr) noexcept;
// The same at the DPI given instead of the window's own.
void paintWholeHeaderAtDpi(HWND hwnd, int dpi, HDC dc = nullptr) noexcept;
// Repaints one item; dc 0 means the window's whole-window context.
int paintHeaderItem(HWND hwnd, HDC dc, int index, VisualState state) noexcept;

} // namespace skin
