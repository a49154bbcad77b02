// The five pixel images every skinned control is drawn from.
#pragma once

#include <windows.h>

namespace skin {

inline constexpr COLORREF kKeyColour = 0x00FF00FF;             // transparent pixels
inline constexpr COLORREF kSkinFrameColour = 0x00D5A554;
inline constexpr COLORREF kDisabledFrameColour = 0x00E9CFA4;
inline constexpr COLORREF kPressedFrameColour = 0x00C48639;
inline constexpr COLORREF kProgressColour = 0x00F6D64C;
inline constexpr COLORREF kDisabledCaptionColour = 0x00968A79;
inline constexpr COLORREF kWhite = 0x00FFFFFF;

// Builds the five images (replacing any set already built).
void buildSkinImages() noexcept;
// Releases the five images, in the order they were built.
void releaseSkinImages() noexcept;

// Memory contexts of the images; 0 while no set is built.
HDC buttonFaceImage() noexcept;     // 7 x 84: four 7 x 21 push button tiles
HDC comboButtonImage() noexcept;    // 15 x 18: drop-down button faces and arrows
HDC markGlyphImage() noexcept;      // 18 x 24: check mark, indeterminate square, option dot
HDC optionBubbleImage() noexcept;   // 13 x 52: four 13 x 13 option circles
HDC headerItemImage() noexcept;     // 9 x 20: three 3 x 20 header slices

} // namespace skin
