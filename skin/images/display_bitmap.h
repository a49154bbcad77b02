// Bitmaps in the display's pixel format, made cheaply.
#pragma once

#include <windows.h>

namespace skin {

// A width x height bitmap in the display's format, or 0. On a 32-bit display
// it is a 32-bit device-independent bitmap, which holds the same pixels as a
// compatible bitmap but is made without asking the display driver for its
// format each time (a compatible bitmap costs that once when it is made and
// once more when it is first selected). On other displays it is a bitmap
// compatible with the screen.
HBITMAP createDisplayBitmap(int width, int height) noexcept;

} // namespace skin
