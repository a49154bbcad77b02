#include "skin/paint/common_progress.h"

#include "skin/core/properties.h"
#include "skin/images/dpi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/paint/common_controls.h"
#include "skin/paint/control_kit.h"

#include <commctrl.h>

#include <algorithm>

namespace skin {

namespace {

// The progress colour with its channels turned: red for an error, amber
// for a pause, as light as the skin's own.
constexpr COLORREF kErrorColour =
    RGB(GetBValue(kProgressColour), GetRValue(kProgressColour), GetRValue(kProgressColour));
constexpr COLORREF kPausedColour =
    RGB(GetBValue(kProgressColour), GetGValue(kProgressColour), GetRValue(kProgressColour));
// Blocks are two thirds as long as the bar is thick, as the system makes
// them, with a gap between; a marquee's block is five of them long.
constexpr int kBlockGap = 2;
constexpr int kMarqueeBlocks = 5;
// A smooth marquee moves this far on each tick; one in blocks, a block.
constexpr int kSmoothStep = 2;

// The bar's lengths: `length` along it, `across` it, and its blocks (none
// when smooth).
struct Bar {
    bool vertical = false;
    bool smooth = false;
    int length = 0;
    int across = 0;
    int block = 0;
    int stride = 1; // a block and its gap
    int marquee = 0;
    int inset = 0;  // where the bar starts inside the client area
};

// A bar without a frame of its own gets the skin's one-pixel frame inside
// its client area. Without a theme the bar gives itself a static edge,
// flattened with the other frames; a themed one (Windows' visual styles,
// Wine 8's default theme) gives itself none.
bool framesItself(HWND hwnd) noexcept
{
    return !hasNonClientArea(hwnd);
}

Bar barOf(HWND hwnd, int dpi) noexcept
{
    RECT client{};
    GetClientRect(hwnd, &client);
    Bar bar;
    bar.inset = framesItself(hwnd) ? 1 : 0;
    InflateRect(&client, -bar.inset, -bar.inset);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    bar.vertical = (style & PBS_VERTICAL) != 0;
    bar.smooth = (style & PBS_SMOOTH) != 0;
    bar.length = static_cast<int>(std::max(0L, bar.vertical ? client.bottom - client.top : client.right - client.left));
    bar.across = static_cast<int>(std::max(0L, bar.vertical ? client.right - client.left : client.bottom - client.top));
    const int block = std::max(1, MulDiv(bar.across, 2, 3));
    bar.stride = block + scaleToDpi(kBlockGap, dpi);
    bar.block = bar.smooth ? 0 : block;
    bar.marquee = kMarqueeBlocks * bar.stride;
    return bar;
}

// Fills the bar from `from` to `to` along it (from the bottom when vertical).
void fillSpan(HDC dc, const Bar& bar, int from, int to, COLORREF colour) noexcept
{
    if (bar.vertical)
        fillSolidRect(dc, bar.inset, bar.inset + bar.length - to, bar.across, to - from, colour);
    else
        fillSolidRect(dc, bar.inset + from, bar.inset, to - from, bar.across, colour);
}

// The same in blocks unless the bar is smooth, within the bar.
void fillAlong(HDC dc, const Bar& bar, int from, int to, COLORREF colour) noexcept
{
    from = std::clamp(from, 0, bar.length);
    to = std::clamp(to, 0, bar.length);
    if (!bar.block) {
        if (to > from)
            fillSpan(dc, bar, from, to, colour);
        return;
    }
    for (int start = from; start < to; start += bar.stride)
        fillSpan(dc, bar, start, std::min(start + bar.block, to), colour);
}

// The fill's colour: the bar's state, then the colour the program set.
// Wine 8 takes PBM_SETSTATE but keeps no state: it always answers normal.
COLORREF fillColour(HWND hwnd) noexcept
{
    switch (SendMessageW(hwnd, PBM_GETSTATE, 0, 0)) {
    case PBST_ERROR: return kErrorColour;
    case PBST_PAUSED: return kPausedColour;
    default: break;
    }
    const auto set = static_cast<COLORREF>(SendMessageW(hwnd, PBM_GETBARCOLOR, 0, 0));
    return set == CLR_DEFAULT ? kProgressColour : set;
}

// The filled length at the bar's position in its range, as the system
// reckons it; in blocks it ends on a whole block.
int filledLength(HWND hwnd, const Bar& bar) noexcept
{
    PBRANGE range{};
    SendMessageW(hwnd, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    const auto position = static_cast<int>(SendMessageW(hwnd, PBM_GETPOS, 0, 0));
    int filled = range.iHigh == range.iLow ? 0 : MulDiv(position - range.iLow, bar.length, range.iHigh - range.iLow);
    if (bar.block)
        filled = (filled + bar.stride - 1) / bar.stride * bar.stride;
    return std::clamp(filled, 0, bar.length);
}

} // namespace

void paintCommonProgress(HWND hwnd, HDC dc) noexcept
{
    paintCommonProgressAtDpi(hwnd, dc, windowDpi(hwnd));
}

void paintCommonProgressAtDpi(HWND hwnd, HDC target, int dpi) noexcept
{
    const ClientCanvas canvas(hwnd, target);
    HDC dc = canvas.dc();
    const Bar bar = barOf(hwnd, dpi);
    const auto background = static_cast<COLORREF>(SendMessageW(hwnd, PBM_GETBKCOLOR, 0, 0));
    const RECT client = canvas.client();
    fillSolidRect(dc, 0, 0, client.right, client.bottom, background == CLR_DEFAULT ? kWhite : background);
    if (bar.inset)
        frameSolidRect(dc, 0, 0, client.right, client.bottom,
                       IsWindowEnabled(hwnd) ? kSkinFrameColour : kDisabledFrameColour);
    const COLORREF colour = fillColour(hwnd);
    if (GetWindowLongPtrW(hwnd, GWL_STYLE) & PBS_MARQUEE) {
        // The block runs off the end and comes back in at the start.
        const auto start = static_cast<int>(getProp(hwnd, prop::kMarquee));
        fillAlong(dc, bar, start, start + bar.marquee, colour);
        fillAlong(dc, bar, 0, start + bar.marquee - bar.length, colour);
        return;
    }
    fillAlong(dc, bar, 0, filledLength(hwnd, bar), colour);
}

void advanceMarquee(HWND hwnd) noexcept
{
    if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & PBS_MARQUEE))
        return;
    const int dpi = windowDpi(hwnd);
    const Bar bar = barOf(hwnd, dpi);
    const auto next = static_cast<int>(getProp(hwnd, prop::kMarquee)) + (bar.smooth ? scaleToDpi(kSmoothStep, dpi) : bar.stride);
    setProp(hwnd, prop::kMarquee, next < bar.length ? next : 0);
}

} // namespace skin
