#include "skin/images/surface.h"

#include "skin/images/display_bitmap.h"
#include "skin/images/gdi.h"
#include "skin/images/scratch.h"
#include "skin/images/transparent.h"

namespace skin {

Surface& Surface::operator=(Surface&& other) noexcept
{
    if (this != &other) {
        reset();
        m_dc = other.m_dc;
        m_bitmap = other.m_bitmap;
        m_original = other.m_original;
        other.m_dc = nullptr;
        other.m_bitmap = nullptr;
        other.m_original = nullptr;
    }
    return *this;
}

void Surface::reset() noexcept
{
    // A bitmap still selected into a context cannot be deleted, and the
    // context's own one-pixel bitmap is the system's: put it back, delete ours.
    if (m_dc) {
        if (m_original)
            SelectObject(m_dc, m_original);
        DeleteDC(m_dc);
    }
    if (m_bitmap)
        DeleteObject(m_bitmap);
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_original = nullptr;
}

Surface createMemorySurface(int width, int height) noexcept
{
    // A zero-sized compatible bitmap would be a one-pixel monochrome one.
    if (width <= 0 || height <= 0)
        return {};
    // A memory context starts out compatible with the screen; the bitmap
    // gives it the display's format (a compatible bitmap of a fresh memory
    // context would be monochrome).
    UniqueDc dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return {};
    UniqueBitmap bitmap(createDisplayBitmap(width, height));
    if (!bitmap)
        return {};
    HGDIOBJ original = SelectObject(dc.get(), bitmap.get());
    if (!original || original == HGDI_ERROR)
        return {};
    return Surface(dc.release(), bitmap.release(), original);
}

namespace {

// The two margins of one axis of a nine-slice.
struct Axis {
    int lead = 0;
    int trail = 0;
};

// Margins are shrunk, in proportion to each other, until they fit: at most the
// destination's extent when it is not larger than the source's (so nothing is
// drawn outside the destination), and at most one pixel less than the source's
// when the destination is larger (so a source middle exists to fill the
// destination's middle). Negative margins count as 0. The result covers every
// destination pixel with a piece that has source pixels behind it.
Axis fitMargins(int lead, int trail, int source, int dest) noexcept
{
    Axis axis{lead > 0 ? lead : 0, trail > 0 ? trail : 0};
    const int limit = dest <= source ? dest : source - 1;
    const long long sum = static_cast<long long>(axis.lead) + axis.trail;
    if (sum > limit) {
        axis.lead = static_cast<int>(axis.lead * static_cast<long long>(limit) / sum);
        axis.trail = limit - axis.lead;
    }
    return axis;
}

void copyPiece(HDC dc, int x, int y, int width, int height,
               HDC src, int srcX, int srcY, int srcWidth, int srcHeight) noexcept
{
    if (width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0)
        return;
    if (width == srcWidth && height == srcHeight)
        BitBlt(dc, x, y, width, height, src, srcX, srcY, SRCCOPY);
    else
        StretchBlt(dc, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, SRCCOPY);
}

} // namespace

int drawImagePart(HDC destDc, int destX, int destY, int destWidth, int destHeight,
                  HDC srcDc, int srcX, int srcY, int srcWidth, int srcHeight,
                  int leftMargin, int topMargin, int rightMargin, int bottomMargin,
                  std::optional<COLORREF> transparentColour) noexcept
{
    // A negative size would mirror the picture; like a zero one it draws nothing.
    if (destWidth <= 0 || destHeight <= 0 || srcWidth <= 0 || srcHeight <= 0)
        return 0;
    const int W = destWidth, H = destHeight, w = srcWidth, h = srcHeight;
    const Axis across = fitMargins(leftMargin, rightMargin, w, W);
    const Axis down = fitMargins(topMargin, bottomMargin, h, H);
    const int L = across.lead, R = across.trail, T = down.lead, B = down.trail;

    // The picture is composed off screen, so the destination is written once
    // and a transparent colour is applied to the finished, resized picture.
    // The pieces cover all of W x H, so what the reused surface held before
    // never shows.
    HDC dc = scratchSurface(ScratchUse::composition, W, H);
    if (!dc)
        return 0;

    if (L == 0 && T == 0 && R == 0 && B == 0) {
        StretchBlt(dc, 0, 0, W, H, srcDc, srcX, srcY, w, h, SRCCOPY);
    } else {
        // Corners 1:1, then the edges stretched along their length, then the middle.
        copyPiece(dc, 0, 0, L, T, srcDc, srcX, srcY, L, T);
        copyPiece(dc, W - R, 0, R, T, srcDc, srcX + w - R, srcY, R, T);
        copyPiece(dc, 0, H - B, L, B, srcDc, srcX, srcY + h - B, L, B);
        copyPiece(dc, W - R, H - B, R, B, srcDc, srcX + w - R, srcY + h - B, R, B);
        copyPiece(dc, 0, T, L, H - T - B, srcDc, srcX, srcY + T, L, h - T - B);
        copyPiece(dc, W - R, T, R, H - T - B, srcDc, srcX + w - R, srcY + T, R, h - T - B);
        copyPiece(dc, L, 0, W - L - R, T, srcDc, srcX + L, srcY, w - L - R, T);
        copyPiece(dc, L, H - B, W - L - R, B, srcDc, srcX + L, srcY + h - B, w - L - R, B);
        copyPiece(dc, L, T, W - L - R, H - T - B, srcDc, srcX + L, srcY + T, w - L - R, h - T - B);
    }

    if (!transparentColour)
        return BitBlt(destDc, destX, destY, W, H, dc, 0, 0, SRCCOPY);
    drawTransparent(destDc, destX, destY, W, H, dc, 0, 0, *transparentColour);
    return 1;
}

} // namespace skin
