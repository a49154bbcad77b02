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

// Glyphs of the mark image: enabled at the left, disabled 9 pixels further.
constexpr int kDisabledOffset = 9;
constexpr int kMarkX = 0, kMarkY = 0, kMarkWidth = 9, kMarkHeight = 8;
constexpr int kSquareX = 1, kSquareY = 9, kSquareSize = 7;
// Bands across the middle of the hot and pressed circles, stretched over the
// inside of the square.
constexpr int kBandX = 1, kHotBandY = 17, kPressedBandY = 30, kBandWidth = 11, kBandHeight = 5;

// The height of one caption line in the control's font.
int captionLineHeight(HWND hwnd) noexcept
{
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    if (!font)
        font = GetStockObject(SYSTEM_FONT);
    UniqueDc dc(CreateCompatibleDC(nullptr));
    SelectGuard fontGuard(dc.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    return metrics.tmHeight;
}

} // namespace

POINT glyphOrigin(HWND hwnd, int cx, int cy) noexcept
{
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const int x = (style & BS_LEFTTEXT) ? bounds.width - cx : 0;
    const LONG_PTR vertical = style & BS_VCENTER;
    if (vertical != BS_TOP && vertical != BS_BOTTOM)
        return {x, (bounds.height - cy) / 2};
    const int line = captionLineHeight(hwnd);
    const int inLine = (line - cy) / 2;
    return {x, vertical == BS_TOP ? inLine : bounds.height - line + inLine};
}

int paintCheckBox(HWND hwnd, VisualState state, bool force, HDC dc) noexcept
{
    return paintCheckBoxAtDpi(hwnd, state, force, windowDpi(hwnd), dc);
}

int paintCheckBoxAtDpi(HWND hwnd, VisualState state, bool force, int dpi, HDC target) noexcept
{
    if (state == getState(hwnd) && !force)
        return 0;
    setState(hwnd, state);

    // The square is the system's check-mark size; the glyphs in it scale
    // with the images they come from.
    const int cx = systemMetricAt(SM_CXMENUCHECK, dpi);
    const int cy = systemMetricAt(SM_CYMENUCHECK, dpi);
    const POINT origin = glyphOrigin(hwnd, cx, cy);
    const LRESULT check = SendMessageW(hwnd, BM_GETCHECK, 0, 0);

    Surface surface = createMemorySurface(cx, cy);
    HDC dc = surface.dc();
    fillSolidRect(dc, 0, 0, cx, cy, kWhite);
    int glyphOffset = 0;
    if (IsWindowEnabled(hwnd)) {
        frameSolidRect(dc, 0, 0, cx, cy, state == VisualState::pressed ? kPressedFrameColour : kSkinFrameColour);
        if (state == VisualState::hot || state == VisualState::pressed) {
            const ImagePart band = scalePart(kBandX, state == VisualState::hot ? kHotBandY : kPressedBandY,
                                             kBandWidth, kBandHeight, dpi);
            StretchBlt(dc, 1, 1, cx - 2, cy - 2, optionBubbleImageAt(dpi), band.x, band.y, band.width, band.height,
                       SRCCOPY);
        }
    } else {
        frameSolidRect(dc, 0, 0, cx, cy, kDisabledFrameColour);
        glyphOffset = kDisabledOffset;
    }
    // The disabled glyphs are scaled parts of their own, a pixel wider or
    // narrower than the enabled ones at some DPIs.
    const ImagePart mark = scalePart(kMarkX + glyphOffset, kMarkY, kMarkWidth, kMarkHeight, dpi);
    const ImagePart square = scalePart(kSquareX + glyphOffset, kSquareY, kSquareSize, kSquareSize, dpi);
    if (check == BST_CHECKED)
        drawTransparent(dc, roundHalfEven((cx - mark.width) / 2.0), roundHalfEven((cy - mark.height) / 2.0),
                        mark.width, mark.height, markGlyphImageAt(dpi), mark.x, mark.y, kKeyColour);
    else if (check == BST_INDETERMINATE)
        drawTransparent(dc, roundHalfEven((cx - square.width) / 2.0), roundHalfEven((cy - square.height) / 2.0),
                        square.width, square.height, markGlyphImageAt(dpi), square.x, square.y,
                        kKeyColour);

    std::optional<WindowDc> own;
    if (!target)
        target = own.emplace(hwnd).get();
    BitBlt(target, origin.x, origin.y, cx, cy, dc, 0, 0, SRCCOPY);
    return 1;
}

} // namespace skin
