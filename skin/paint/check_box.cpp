#include "skin/paint/check_option.h"

#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/images/transparent.h"
#include "skin/paint/rounding.h"

namespace skin {

namespace {

// Glyphs of the mark image: enabled at the left, disabled 9 pixels further.
constexpr int kDisabledOffset = 9;
constexpr int kMarkX = 0, kMarkY = 0, kMarkWidth = 9, kMarkHeight = 8;
constexpr int kSquareX = 1, kSquareY = 9, kSquareSize = 7;
// Bands across the middle of the hot and pressed circles, stretched over the
// inside of the square.
constexpr int kBandX = 1, kHotBandY = 17, kPressedBandY = 30, kBandWidth = 11, kBandHeight = 5;

} // namespace

int paintCheckBox(HWND hwnd, VisualState state, bool force) noexcept
{
    if (state == getState(hwnd) && !force)
        return 0;
    setState(hwnd, state);

    const int cx = GetSystemMetrics(SM_CXMENUCHECK);
    const int cy = GetSystemMetrics(SM_CYMENUCHECK);
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    const LRESULT check = SendMessageW(hwnd, BM_GETCHECK, 0, 0);

    Surface surface = createMemorySurface(cx, cy);
    HDC dc = surface.dc();
    fillSolidRect(dc, 0, 0, cx, cy, kWhite);
    int glyphOffset = 0;
    if (IsWindowEnabled(hwnd)) {
        frameSolidRect(dc, 0, 0, cx, cy, state == VisualState::pressed ? kPressedFrameColour : kSkinFrameColour);
        if (state == VisualState::hot || state == VisualState::pressed)
            StretchBlt(dc, 1, 1, cx - 2, cy - 2, optionBubbleImage(), kBandX,
                       state == VisualState::hot ? kHotBandY : kPressedBandY, kBandWidth, kBandHeight, SRCCOPY);
    } else {
        frameSolidRect(dc, 0, 0, cx, cy, kDisabledFrameColour);
        glyphOffset = kDisabledOffset;
    }
    if (check == BST_CHECKED)
        drawTransparent(dc, roundHalfEven((cx - kMarkWidth) / 2.0), roundHalfEven((cy - kMarkHeight) / 2.0),
                        kMarkWidth, kMarkHeight, markGlyphImage(), kMarkX + glyphOffset, kMarkY, kKeyColour);
    else if (check == BST_INDETERMINATE)
        drawTransparent(dc, roundHalfEven((cx - kSquareSize) / 2.0), roundHalfEven((cy - kSquareSize) / 2.0),
                        kSquareSize, kSquareSize, markGlyphImage(), kSquareX + glyphOffset, kSquareY, kKeyColour);

    WindowDc target(hwnd);
    BitBlt(target.get(), 0, roundHalfEven((bounds.height - cy) / 2.0), cx, cy, dc, 0, 0, SRCCOPY);
    return 1;
}

} // namespace skin
