// Copies an image 1:1, leaving the destination untouched wherever the source
// has the transparent colour.
#pragma once

#include <windows.h>

namespace skin {

// `transparentColour` may be a system-colour reference (0x80000000 | index);
// it is then matched against that colour's current value. `palette` may be 0.
void drawTransparent(HDC destDc, int destX, int destY, int width, int height,
                     HDC srcDc, int srcX, int srcY, COLORREF transparentColour,
                     HPALETTE palette = nullptr) noexcept;

} // namespace skin
