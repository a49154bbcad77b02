#include "skin/paint/check_option.h"

#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/images/transparent.h"
#include "skin/paint/rounding.h"

namespace skin {

namespace {

constexpr int kCircleSize = 13;       // one circle tile, stacked by state
constexpr int kCircleMargin = 5;
constexpr int kDisabledCircleY = 39;
constexpr int kDotX = 2, kDisabledDotX = 11, kDotY = 18, kDotSize = 5;

} // namespace

int paintOptionButton(HWND hwnd, VisualState state, bool force) noexcept
{
    if (state == getState(hwnd) && !force)
        return 0;
    setState(hwnd, state);

    const int cx = GetSystemMetrics(SM_CXMENUCHECK);
    const int cy = GetSystemMetrics(SM_CYMENUCHECK);
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    const double top = (bounds.height - cy) / 2.0;
    const int circleY = roundHalfEven(top);
    const bool checked = SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;

    // The circle goes straight onto the window with the key colour left out,
    // so the control's own background shows around it.
    WindowDc target(hwnd);
    int tileY = -1;
    if (!enabled)
        tileY = kDisabledCircleY;
    else if (state == VisualState::normal || state == VisualState::hot || state == VisualState::pressed)
        tileY = kCircleSize * static_cast<int>(state);
    if (tileY >= 0)
        drawImagePart(target.get(), 0, circleY, cx, cy, optionBubbleImage(), 0, tileY, kCircleSize, kCircleSize,
                      kCircleMargin, kCircleMargin, kCircleMargin, kCircleMargin, kKeyColour);
    if (checked)
        drawTransparent(target.get(), roundHalfEven((cx - kDotSize) / 2.0),
                        roundHalfEven((cy - kDotSize) / 2.0 + circleY), kDotSize, kDotSize, markGlyphImage(),
                        enabled ? kDotX : kDisabledDotX, kDotY, kKeyColour);
    return 1;
}

} // namespace skin
