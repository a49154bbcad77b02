#include "skin/paint/check_option.h"

#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/images/transparent.h"
#include "skin/paint/rounding.h"

#include <optional>

namespace skin {

namespace {

constexpr int kCircleSize = 13;       // one circle tile, stacked by state
constexpr int kCircleMargin = 5;
constexpr int kDisabledCircleY = 39;
constexpr int kDotX = 2, kDisabledDotX = 11, kDotY = 18, kDotSize = 5;

} // namespace

int paintOptionButton(HWND hwnd, VisualState state, bool force, HDC dc) noexcept
{
    return paintOptionButtonAtDpi(hwnd, state, force, windowDpi(hwnd), dc);
}

int paintOptionButtonAtDpi(HWND hwnd, VisualState state, bool force, int dpi, HDC dc) noexcept
{
    if (state == getState(hwnd) && !force)
        return 0;
    setState(hwnd, state);

    const int cx = systemMetricAt(SM_CXMENUCHECK, dpi);
    const int cy = systemMetricAt(SM_CYMENUCHECK, dpi);
    const int margin = scaleToDpi(kCircleMargin, dpi);
    const POINT origin = glyphOrigin(hwnd, cx, cy);
    const bool checked = SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const ImagePart dot = scalePart(enabled ? kDotX : kDisabledDotX, kDotY, kDotSize, kDotSize, dpi);

    // The circle goes straight onto the window with the key colour left out,
    // so the control's own background shows around it.
    std::optional<WindowDc> own;
    if (!dc)
        dc = own.emplace(hwnd).get();
    int tileY = -1;
    if (!enabled)
        tileY = kDisabledCircleY;
    else if (state == VisualState::normal || state == VisualState::hot || state == VisualState::pressed)
        tileY = kCircleSize * static_cast<int>(state);
    if (tileY >= 0) {
        const ImagePart tile = scalePart(0, tileY, kCircleSize, kCircleSize, dpi);
        drawImagePart(dc, origin.x, origin.y, cx, cy, optionBubbleImageAt(dpi), tile.x, tile.y, tile.width,
                      tile.height, margin, margin, margin, margin, kKeyColour);
    }
    if (checked)
        drawTransparent(dc, origin.x + roundHalfEven((cx - dot.width) / 2.0),
                        origin.y + roundHalfEven((cy - dot.height) / 2.0), dot.width, dot.height, markGlyphImageAt(dpi),
                        dot.x, dot.y, kKeyColour);
    return 1;
}

} // namespace skin
