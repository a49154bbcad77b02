// Push button faces: four state surfaces drawn in advance, blended onto the
// button with a constant alpha.
#pragma once

#include <windows.h>

#include <string>

namespace skin {

// One line, centred both ways, ellipsis at the end; ampersands underline.
inline constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

// Draws face, caption and (while focused) the focus box into the four surfaces.
void renderButtonFaces(HWND hwnd) noexcept;
// The window's own surfaces drawn at the DPI given instead of the window's.
void renderButtonFacesAtDpi(HWND hwnd, int dpi) noexcept;
// Blends surface OLDSTATE at ALPHALEVEL onto dc, or onto the window's own
// whole-window context when dc is 0. A disabled window shows surface 3.
int blendButtonFace(HWND hwnd, HDC dc) noexcept;

std::wstring getWindowCaption(HWND hwnd);
int drawTextInBox(HDC dc, const std::wstring& text, int x, int y, int width, int height, UINT flags) noexcept;
int drawFocusBox(HDC dc, int x, int y, int width, int height) noexcept;

} // namespace skin
