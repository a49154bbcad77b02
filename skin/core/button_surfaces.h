// A push button's four state surfaces and its rounded window region.
#pragma once

#include <windows.h>

namespace skin {

// Creates surfaces 0..3 as large as the window, stores them in "HDC0".."HDC3"
// and "BMP0".."BMP3", and draws the faces into them.
void createButtonSurfaces(HWND hwnd) noexcept;
// Gives each surface a new bitmap of the window's current size and redraws.
void resizeButtonSurfaces(HWND hwnd) noexcept;
// Deletes the surfaces and removes their properties.
void releaseButtonSurfaces(HWND hwnd) noexcept;
// Clips the window to a rectangle with 3 x 3 rounded corners.
void setRoundedRegion(HWND hwnd) noexcept;

} // namespace skin
