#include "skin/images/transparent.h"

#include "skin/images/gdi.h"

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

    // The screen's own context gives the display's format, as a new display
    // context would, for a fraction of the cost.
    const ClientDc display(nullptr);
    if (!display.get())
        return;
    UniquePalette halftone;
    if (!palette) {
        halftone.reset(CreateHalftonePalette(display.get()));
        palette = halftone.get();
    }

    // A system-colour reference stands for that colour's current value.
    COLORREF key = 0;
    if (FAILED(OleTranslateColor(transparentColour, palette, &key)))
        return;
    key &= 0x00FFFFFF;

    // Work surface: the destination's background, later the composed result.
    const UniqueBitmap workBitmap(CreateCompatibleBitmap(display.get(), W, H));
    const UniqueDc work(CreateCompatibleDC(display.get()));
    // Source copy, and the one-bit mask: 1 where the source has the key.
    const UniqueBitmap copyBitmap(CreateCompatibleBitmap(display.get(), W, H));
    const UniqueBitmap maskBitmap(CreateBitmap(W, H, 1, 1, nullptr));
    const UniqueDc copy(CreateCompatibleDC(display.get()));
    const UniqueDc mask(CreateCompatibleDC(display.get()));
    // Without any one of them the result would be undefined pixels: draw nothing.
    if (!workBitmap || !work || !copyBitmap || !maskBitmap || !copy || !mask)
        return;

    const SelectGuard workSelected(work.get(), workBitmap.get());
    const PaletteGuard workPalette(work.get(), palette, FALSE);
    const SelectGuard copySelected(copy.get(), copyBitmap.get());
    const PaletteGuard copyPalette(copy.get(), palette, TRUE);
    const SelectGuard maskSelected(mask.get(), maskBitmap.get());

    // The destination is read once here and written once at the end; if the
    // reads fail there is nothing sound to write.
    if (!BitBlt(work.get(), 0, 0, W, H, destDc, destX, destY, SRCCOPY))
        return;
    SetBkColor(copy.get(), GetBkColor(srcDc));
    SetTextColor(copy.get(), GetTextColor(srcDc));
    if (!BitBlt(copy.get(), 0, 0, W, H, srcDc, srcX, srcY, SRCCOPY))
        return;

    // Colour to monochrome: pixels equal to the background colour become 1.
    SetBkColor(copy.get(), key);
    SetTextColor(copy.get(), kWhite);
    BitBlt(mask.get(), 0, 0, W, H, copy.get(), 0, 0, SRCCOPY);

    // Monochrome to colour: 1 arrives as the background colour (white), 0 as
    // the text colour (black); so key pixels of the copy turn black.
    SetTextColor(copy.get(), kBlack);
    SetBkColor(copy.get(), kWhite);
    BitBlt(copy.get(), 0, 0, W, H, mask.get(), 0, 0, kCutOutMask);

    // The work context keeps a new context's black text and white background:
    // the background survives where the source had the key, turns black elsewhere,
    // and the image fills those holes.
    BitBlt(work.get(), 0, 0, W, H, mask.get(), 0, 0, SRCAND);
    BitBlt(work.get(), 0, 0, W, H, copy.get(), 0, 0, SRCPAINT);

    BitBlt(destDc, destX, destY, W, H, work.get(), 0, 0, SRCCOPY);
}

} // namespace skin
