// Off-screen drawing surfaces and nine-slice image drawing.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// A memory device context with a bitmap in the display's pixel format.
// Owns both; releasing it selects the original bitmap back and deletes them.
class Surface {
public:
    Surface() noexcept = default;
    Surface(HDC dc, HBITMAP bitmap, HGDIOBJ original) noexcept
        : m_dc(dc), m_bitmap(bitmap), m_original(original) {}
    ~Surface() { reset(); }
    Surface(Surface&& other) noexcept { *this = static_cast<Surface&&>(other); }
    Surface& operator=(Surface&& other) noexcept;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const noexcept { return m_dc; }
    HBITMAP bitmap() const noexcept { return m_bitmap; }
    explicit operator bool() const noexcept { return m_dc != nullptr; }
    void reset() noexcept;

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_original = nullptr;
};

// An empty surface when a size is not positive or any system call fails;
// nothing is left allocated.
Surface createMemorySurface(int width, int height) noexcept;

// Draws the source rectangle onto the destination rectangle by nine-slicing:
// corners 1:1, edges stretched along one axis, the middle along both. With a
// transparent colour, pixels of that colour in the finished picture leave the
// destination as it was. Returns 0 when a size is 0 (or negative) and nothing
// was drawn, or when no scratch surface could be made; otherwise the result of
// the final copy, or 1 with a transparent colour.
// Negative margins count as 0. Margins that do not fit shrink in proportion to
// each other: to the destination's extent when it is not larger than the
// source's, else to one pixel less than the source's, so every destination
// pixel comes from the source and nothing outside the destination is drawn.
int drawImagePart(HDC destDc, int destX, int destY, int destWidth, int destHeight,
                  HDC srcDc, int srcX, int srcY, int srcWidth, int srcHeight,
                  int leftMargin, int topMargin, int rightMargin, int bottomMargin,
                  std::optional<COLORREF> transparentColour = std::nullopt) noexcept;

} // namespace skin
