#include "skin/images/transparent.h"

#include "skin/images/gdi.h"
#include "skin/images/scratch.h"

#include <olectl.h>

namespace skin {

namespace {

// Selects a palette into a context as a background palette and realises it;
// puts the previous palette back and realises that when the scope ends.
class PaletteGuard {
public:
    PaletteGuard(HDC dc, HPALETTE palette, BOOL restoreAsBackground) noexcept
        : m_dc(dc), m_old(palette ? SelectPalette(dc, palette, TRUE) : nullptr), m_background(restoreAsBackground)
    {
        if (m_old)
            RealizePalette(dc);
    }
    ~PaletteGuard()
    {
        if (m_old) {
            SelectPalette(m_dc, m_old, m_background);
            RealizePalette(m_dc);
        }
    }
    PaletteGuard(const PaletteGuard&) = delete;
    PaletteGuard& operator=(const PaletteGuard&) = delete;

private:
    HDC m_dc;
    HPALETTE m_old;
    BOOL m_background;
};

constexpr COLORREF kBlack = 0x00000000;
constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr DWORD kCutOutMask = 0x00220326; // destination AND NOT source

} // namespace

void drawTransparent(HDC destDc, int destX, int destY, int width, int height,
                     HDC srcDc, int srcX, int srcY, COLORREF transparentColour,
                     HPALETTE palette) noexcept
{
    if (width <= 0 || height <= 0)
        return;
    const int W = width, H = height;

    if (!palette)
        palette = scratchHalftonePalette();

    // A system-colour reference stands for that colour's current value.
    COLORREF key = 0;
    if (FAILED(OleTranslateColor(transparentColour, palette, &key)))
        return;
    key &= 0x00FFFFFF;

    // Work surface: the destination's background, later the composed result;
    // the source copy; the one-bit mask, 1 where the source has the key. All
    // three are the engine's reused scratch surfaces; every pixel of W x H
    // is written below before it is read.
    HDC work = scratchSurface(ScratchUse::work, W, H);
    HDC copy = scratchSurface(ScratchUse::copy, W, H);
    HDC mask = scratchSurface(ScratchUse::mask, W, H);
    // Without any one of them the result would be undefined pixels: draw nothing.
    if (!work || !copy || !mask)
        return;
    // The work context must have a new context's black text and white
    // background for the combination below.
    SetTextColor(work, kBlack);
    SetBkColor(work, kWhite);

    const PaletteGuard workPalette(work, palette, FALSE);
    const PaletteGuard copyPalette(copy, palette, TRUE);

    // The destination is read once here and written once at the end; if the
    // reads fail there is nothing sound to write.
    if (!BitBlt(work, 0, 0, W, H, destDc, destX, destY, SRCCOPY))
        return;
    SetBkColor(copy, GetBkColor(srcDc));
    SetTextColor(copy, GetTextColor(srcDc));
    if (!BitBlt(copy, 0, 0, W, H, srcDc, srcX, srcY, SRCCOPY))
        return;

    // Colour to monochrome: pixels equal to the background colour become 1.
    SetBkColor(copy, key);
    SetTextColor(copy, kWhite);
    BitBlt(mask, 0, 0, W, H, copy, 0, 0, SRCCOPY);

    // Monochrome to colour: 1 arrives as the background colour (white), 0 as
    // the text colour (black); so key pixels of the copy turn black.
    SetTextColor(copy, kBlack);
    SetBkColor(copy, kWhite);
    BitBlt(copy, 0, 0, W, H, mask, 0, 0, kCutOutMask);

    // The work context keeps a new context's black text and white background:
    // the background survives where the source had the key, turns black elsewhere,
    // and the image fills those holes.
    BitBlt(work, 0, 0, W, H, mask, 0, 0, SRCAND);
    BitBlt(work, 0, 0, W, H, copy, 0, 0, SRCPAINT);

    BitBlt(destDc, destX, destY, W, H, work, 0, 0, SRCCOPY);
}

} // namespace skin
