// The five pixel images every skinned control is drawn from. Each thread
// builds, draws from and releases its own: every function here acts on the
// calling thread's images.
#pragma once

#include "skin/images/dpi.h"

#include <windows.h>

namespace skin {

inline constexpr COLORREF kKeyColour = 0x00FF00FF;             // transparent pixels
inline constexpr COLORREF kSkinFrameColour = 0x00D5A554;
inline constexpr COLORREF kDisabledFrameColour = 0x00E9CFA4;
inline constexpr COLORREF kPressedFrameColour = 0x00C48639;
inline constexpr COLORREF kProgressColour = 0x00F6D64C;
inline constexpr COLORREF kDisabledCaptionColour = 0x00968A79;
inline constexpr COLORREF kWhite = 0x00FFFFFF;

// Builds the five 96-DPI images (replacing every set already built).
void buildSkinImages() noexcept;
// Releases the images of every DPI, in the order they were built.
void releaseSkinImages() noexcept;

// Memory contexts of the images at `dpi`; 0 while no set is built. The set of
// a DPI other than 96 is scaled from the 96-DPI pixels the first time it is
// asked for and kept until the images are released. Sizes are at 96 DPI;
// every position and size in them scales with scalePart.
HDC buttonFaceImageAt(int dpi) noexcept;   // 7 x 84: four 7 x 21 push button tiles
HDC comboButtonImageAt(int dpi) noexcept;  // 15 x 18: drop-down button faces and arrows
HDC markGlyphImageAt(int dpi) noexcept;    // 18 x 24: check mark, indeterminate square, option dot
HDC optionBubbleImageAt(int dpi) noexcept; // 13 x 52: four 13 x 13 option circles
HDC headerItemImageAt(int dpi) noexcept;   // 9 x 20: three 3 x 20 header slices
// The same at 96 DPI.
HDC buttonFaceImage() noexcept;
HDC comboButtonImage() noexcept;
HDC markGlyphImage() noexcept;
HDC optionBubbleImage() noexcept;
HDC headerItemImage() noexcept;

} // namespace skin
