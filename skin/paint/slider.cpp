// Sliders: the parent's background, a white channel framed in the skin's
// colour, the ticks, a selection in the progress colour and a thumb with the
// push button's face, pointed toward the ticks or plain.
#include "skin/paint/slider.h"

#include "skin/core/properties.h"
#include "skin/images/rect.h"
#include "skin/images/scratch.h"
#include "skin/images/skin_images.h"
#include "skin/paint/common_controls.h"
#include "skin/paint/control_kit.h"

#include <commctrl.h>

#include <algorithm>

namespace skin {

namespace {

constexpr int kThumbPart = 0;
constexpr int kTickGap = 2;     // between the thumb and its ticks
constexpr int kTickLength = 3;
constexpr int kEndTickLength = 4;
constexpr int kSelectionInset = 3;

// The slider's parts in its own terms: "along" runs with the thumb's travel,
// "across" from the top or left side to the other.
struct SliderGeometry {
    HWND hwnd = nullptr;
    LONG_PTR style = 0;
    bool vertical = false;
    RECT channel{};
    RECT thumb{};
    LONG min = 0;
    LONG max = 0;

    // A rectangle from along and across extents.
    RECT span(int alongStart, int alongEnd, int acrossStart, int acrossEnd) const noexcept
    {
        return vertical ? RECT{acrossStart, alongStart, acrossEnd, alongEnd}
                        : RECT{alongStart, acrossStart, alongEnd, acrossEnd};
    }
    static int alongStart(const RECT& r, bool v) noexcept { return v ? r.top : r.left; }
    static int alongEnd(const RECT& r, bool v) noexcept { return v ? r.bottom : r.right; }
    static int acrossStart(const RECT& r, bool v) noexcept { return v ? r.left : r.top; }
    static int acrossEnd(const RECT& r, bool v) noexcept { return v ? r.right : r.bottom; }
};

SliderGeometry sliderGeometry(HWND hwnd) noexcept
{
    SliderGeometry g;
    g.hwnd = hwnd;
    g.style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    g.vertical = (g.style & TBS_VERT) != 0;
    SendMessageW(hwnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&g.channel));
    SendMessageW(hwnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&g.thumb));
    // Windows is said to report a vertical slider's channel as if it lay
    // across; Wine reports it as it lies. Either way it runs with the thumb.
    if (const RECT c = g.channel; g.vertical && c.right - c.left > c.bottom - c.top)
        g.channel = RECT{c.top, c.left, c.bottom, c.right};
    g.min = static_cast<LONG>(SendMessageW(hwnd, TBM_GETRANGEMIN, 0, 0));
    g.max = static_cast<LONG>(SendMessageW(hwnd, TBM_GETRANGEMAX, 0, 0));
    return g;
}

// Where a value's tick lies along the slider: under the thumb's middle when
// the thumb stands at that value, which the system places by the same
// proportion of the channel. TBM_GETTICPOS would not do: under Wine 8 it
// counts along x even for a vertical slider, and from 0 rather than the
// minimum (a range of 5 to 15 puts the tick of 14 past the channel's end).
int tickAt(const SliderGeometry& g, LONG value) noexcept
{
    const bool v = g.vertical;
    const int start = SliderGeometry::alongStart(g.channel, v);
    const int thumb = SliderGeometry::alongEnd(g.thumb, v) - SliderGeometry::alongStart(g.thumb, v);
    const int travel = SliderGeometry::alongEnd(g.channel, v) - start - thumb;
    const LONGLONG range = std::max<LONGLONG>(LONGLONG{g.max} - g.min, 1);
    return start + thumb / 2 + static_cast<int>(travel * (LONGLONG{value} - g.min) / range);
}

// The first and last ticks at the channel's ends, a little longer, and those
// between (TBM_GETTIC counts two fewer than TBM_GETNUMTICS), on the sides the
// style puts them.
void drawTicks(HDC dc, const SliderGeometry& g, COLORREF colour, int dpi) noexcept
{
    const auto count = static_cast<int>(SendMessageW(g.hwnd, TBM_GETNUMTICS, 0, 0));
    if (count < 2)
        return;
    const bool before = (g.style & (TBS_BOTH | TBS_TOP)) != 0;
    const bool after = (g.style & TBS_BOTH) || !(g.style & TBS_TOP);
    const int gap = scaleToDpi(kTickGap, dpi);
    const int thumbStart = SliderGeometry::acrossStart(g.thumb, g.vertical);
    const int thumbEnd = SliderGeometry::acrossEnd(g.thumb, g.vertical);
    const auto tick = [&](LONG value, int length) {
        const int at = tickAt(g, value);
        for (const RECT& r : {before ? g.span(at, at + 1, thumbStart - gap - length, thumbStart - gap) : RECT{},
                              after ? g.span(at, at + 1, thumbEnd + gap, thumbEnd + gap + length) : RECT{}})
            fillSolidRect(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, colour);
    };
    tick(g.min, scaleToDpi(kEndTickLength, dpi));
    tick(g.max, scaleToDpi(kEndTickLength, dpi));
    for (int i = 0; i + 2 < count; ++i)
        if (const auto value = static_cast<LONG>(SendMessageW(g.hwnd, TBM_GETTIC, static_cast<WPARAM>(i), 0));
            value > g.min && value < g.max)
            tick(value, scaleToDpi(kTickLength, dpi));
}

void drawChannel(HDC dc, const SliderGeometry& g, bool enabled, int dpi) noexcept
{
    const RECT& c = g.channel;
    fillSolidRect(dc, c.left, c.top, c.right - c.left, c.bottom - c.top, kWhite);
    frameSolidRect(dc, c.left, c.top, c.right - c.left, c.bottom - c.top,
                   enabled ? kSkinFrameColour : kDisabledFrameColour);
    if (!(g.style & TBS_ENABLESELRANGE))
        return;
    const auto first = static_cast<LONG>(SendMessageW(g.hwnd, TBM_GETSELSTART, 0, 0));
    const auto last = static_cast<LONG>(SendMessageW(g.hwnd, TBM_GETSELEND, 0, 0));
    const int inset = scaleToDpi(kSelectionInset, dpi);
    const int acrossStart = SliderGeometry::acrossStart(c, g.vertical) + inset;
    const int acrossEnd = SliderGeometry::acrossEnd(c, g.vertical) - inset;
    if (first >= last || acrossEnd <= acrossStart)
        return;
    const RECT r = g.span(tickAt(g, first), tickAt(g, last) + 1, acrossStart, acrossEnd);
    fillSolidRect(dc, r.left, r.top, r.right - r.left, r.bottom - r.top,
                  enabled ? kProgressColour : kDisabledFrameColour);
}

COLORREF outlineColour(VisualState state) noexcept
{
    switch (state) {
    case VisualState::pressed: return kPressedFrameColour;
    case VisualState::disabled: return kDisabledFrameColour;
    default: return kSkinFrameColour;
    }
}

// The push button's face over the thumb. A pointed thumb keeps the face's
// square end and narrows by a pixel each side a row toward its tip, as deep
// as half its width, the face's outline following the slant.
void drawThumb(HDC dc, const SliderGeometry& g, VisualState state, int dpi) noexcept
{
    const RECT& t = g.thumb;
    const int w = t.right - t.left;
    const int h = t.bottom - t.top;
    if (w <= 0 || h <= 0)
        return;
    if (g.style & (TBS_BOTH | TBS_NOTICKS)) {
        drawButtonTile(dc, t, state, dpi);
        return;
    }
    HDC face = scratchSurface(ScratchUse::picture, w, h);
    if (!face)
        return;
    drawButtonTile(face, RECT{0, 0, w, h}, state, dpi);
    const bool v = g.vertical;
    const bool tipFirst = (g.style & TBS_TOP) != 0; // TBS_LEFT is the same bit
    const int along0 = SliderGeometry::alongStart(t, v);
    const int along1 = SliderGeometry::alongEnd(t, v);
    const int across0 = SliderGeometry::acrossStart(t, v);
    const int across1 = SliderGeometry::acrossEnd(t, v);
    const int depth = std::min((along1 - along0) / 2, across1 - across0);
    const auto copy = [&](const RECT& r) {
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, face, r.left - t.left, r.top - t.top, SRCCOPY);
    };
    copy(g.span(along0, along1, tipFirst ? across0 + depth : across0, tipFirst ? across1 : across1 - depth));
    const COLORREF outline = outlineColour(state);
    for (int k = 0; k < depth; ++k) {
        const int row = tipFirst ? across0 + depth - 1 - k : across1 - depth + k;
        const int from = along0 + k + 1;
        const int to = along1 - k - 1;
        if (to <= from)
            break;
        copy(g.span(from, to, row, row + 1));
        for (const RECT& end : {g.span(from, from + 1, row, row + 1), g.span(to - 1, to, row, row + 1)})
            fillSolidRect(dc, end.left, end.top, 1, 1, outline);
    }
}

VisualState thumbState(HWND hwnd, const RECT& thumb) noexcept
{
    if (!IsWindowEnabled(hwnd))
        return VisualState::disabled;
    // The slider holds the capture while its thumb is dragged or its channel
    // pages: the thumb shows pressed only when the press was on it.
    if (GetCapture() == hwnd)
        return getProp(hwnd, prop::kPartHot) == kThumbPart ? VisualState::pressed : VisualState::normal;
    POINT pointer{};
    return pointerOver(hwnd, pointer) && PtInRect(&thumb, pointer) ? VisualState::hot : VisualState::normal;
}

} // namespace

void paintSlider(HWND hwnd, HDC dc) noexcept
{
    const ClientCanvas canvas(hwnd, dc);
    paintSliderAtDpi(hwnd, canvas.dc(), canvas.dpi());
}

void paintSliderAtDpi(HWND hwnd, HDC dc, int dpi) noexcept
{
    // Wine's slider places its thumb at once for a drag, a key, a page or
    // TBM_SETPOS with a redraw, but after TBM_SETRANGE or TBM_SETTHUMBLENGTH
    // only when it next paints (and after TBM_SETPOS without a redraw not even
    // then); its drags, paging and TBM_GETTHUMBRECT go by the thumb it last
    // placed. Its own painting runs first, so that is current.
    runOwnPaint(hwnd, dc);
    const SliderGeometry g = sliderGeometry(hwnd);
    RECT client{};
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, parentBackground(hwnd, dc));
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    drawChannel(dc, g, enabled, dpi);
    drawTicks(dc, g, enabled ? kSkinFrameColour : kDisabledFrameColour, dpi);
    if (!(g.style & TBS_NOTHUMB))
        drawThumb(dc, g, thumbState(hwnd, g.thumb), dpi);
    if (GetFocus() == hwnd)
        DrawFocusRect(dc, &client);
}

int sliderPartAt(HWND hwnd, POINT point) noexcept
{
    // A drag or paging keeps the part it began on.
    if (GetCapture() == hwnd)
        return static_cast<int>(getProp(hwnd, prop::kPartHot));
    RECT thumb{};
    SendMessageW(hwnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const bool shown = !(GetWindowLongPtrW(hwnd, GWL_STYLE) & TBS_NOTHUMB);
    return shown && PtInRect(&thumb, point) ? kThumbPart : -1;
}

} // namespace skin
