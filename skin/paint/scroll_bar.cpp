#include "skin/paint/scroll_bar.h"

#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/scratch.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/paint/control_kit.h"
#include "skin/paint/rounding.h"

#include <algorithm>
#include <optional>

namespace skin {

namespace {

constexpr COLORREF kTrackColour = 0x00FAF3EB;
constexpr COLORREF kPressedTrackColour = 0x00F2DAC0;
constexpr COLORREF kGripColour = kArrowFrameColour;
constexpr COLORREF kGripShadeColour = kPressedTrackColour;
constexpr int kMinThumb = 8;
constexpr LONG_PTR kBarBits = WS_VSCROLL | WS_HSCROLL;

// The thumb being dragged on this thread: one drag at a time holds the capture.
struct DraggedThumb {
    HWND hwnd = nullptr;
    int bar = 0;
    int start = -1;
    bool system = false; // the system's tracking moves it, to its track position
};
thread_local DraggedThumb g_dragged;
// How many of this thread's windows have their bar bits off at the moment.
thread_local int t_quietWindows = 0;

VisualState partState(const ScrollBarLook& look, ScrollPart part, bool enabled) noexcept
{
    if (!enabled)
        return VisualState::disabled;
    if (look.pressed == part)
        return VisualState::pressed;
    return look.hot == part && look.pressed == ScrollPart::none ? VisualState::hot : VisualState::normal;
}

// A rectangle along the bar, from `start` for `length`, across its whole width.
RECT along(const ScrollBarGeometry& g, int width, int height, int start, int length) noexcept
{
    return g.vertical ? RECT{0, start, width, start + length} : RECT{start, 0, start + length, height};
}

int barLength(const ScrollBarGeometry& g) noexcept
{
    return g.vertical ? g.rect.bottom - g.rect.top : g.rect.right - g.rect.left;
}

// The client rectangle in window coordinates (from the right edge in a
// mirrored window, whose contexts draw so).
RECT clientInWindow(HWND hwnd) noexcept
{
    RECT client{};
    GetClientRect(hwnd, &client);
    const POINT origin = clientOrigin(hwnd);
    OffsetRect(&client, origin.x, origin.y);
    return client;
}

// The frame bar's rectangle; empty when the window leaves it no room.
RECT frameBarRect(HWND hwnd, int bar, int dpi) noexcept
{
    const RECT c = clientInWindow(hwnd);
    RECT r{};
    if (bar == SB_VERT) {
        const int cx = systemMetricAt(SM_CXVSCROLL, dpi);
        const bool left = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
        r = left ? RECT{c.left - cx, c.top, c.left, c.bottom} : RECT{c.right, c.top, c.right + cx, c.bottom};
    } else {
        r = RECT{c.left, c.bottom, c.right, c.bottom + systemMetricAt(SM_CYHSCROLL, dpi)};
    }
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    if (r.left < 0 || r.top < 0 || r.right > bounds.width || r.bottom > bounds.height || IsRectEmpty(&r))
        return RECT{};
    return r;
}

} // namespace

LONG_PTR quietScrollBits(HWND hwnd) noexcept
{
    return t_quietWindows > 0 ? getProp(hwnd, prop::kScrollBits) : 0;
}

void setQuietScrollBits(HWND hwnd, LONG_PTR bits) noexcept
{
    if (quietScrollBits(hwnd) == 0)
        ++t_quietWindows;
    setProp(hwnd, prop::kScrollBits, bits);
}

// Counted down also for a window destroyed meanwhile, whose property went
// with it.
LONG_PTR takeQuietScrollBits(HWND hwnd) noexcept
{
    if (t_quietWindows > 0)
        --t_quietWindows;
    return takeProp(hwnd, prop::kScrollBits);
}

LONG_PTR scrollStyleOf(HWND hwnd) noexcept
{
    return (GetWindowLongPtrW(hwnd, GWL_STYLE) | quietScrollBits(hwnd)) & kBarBits;
}

bool isScrollBarWindow(HWND hwnd) noexcept
{
    return isScrollBar(lowerClassName(hwnd))
        && (GetWindowLongPtrW(hwnd, GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP)) == 0;
}

bool hasSkinnedBar(HWND hwnd, int bar) noexcept
{
    if (bar == SB_CTL)
        return isScrollBarWindow(hwnd);
    if ((scrollStyleOf(hwnd) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) == 0)
        return false;
    const RECT r = frameBarRect(hwnd, bar, windowDpi(hwnd));
    return !IsRectEmpty(&r);
}

void layoutScrollBar(ScrollBarGeometry& g, const SCROLLINFO& info, bool enabled) noexcept
{
    const int length = barLength(g);
    g.arrow = std::min(systemMetricAt(g.vertical ? SM_CYVSCROLL : SM_CXHSCROLL, g.dpi), length / 2);
    g.thumbStart = 0;
    g.thumbLength = 0;
    const int track = length - 2 * g.arrow;
    const int range = info.nMax - info.nMin - std::max(static_cast<int>(info.nPage) - 1, 0);
    if (!enabled || range <= 0 || track <= 0)
        return;
    int thumb = info.nPage ? MulDiv(static_cast<int>(info.nPage), track, info.nMax - info.nMin + 1)
                           : systemMetricAt(g.vertical ? SM_CYVTHUMB : SM_CXHTHUMB, g.dpi);
    thumb = std::max(thumb, scaleToDpi(kMinThumb, g.dpi));
    const int pixels = track - thumb;
    if (pixels < 0)
        return;
    const int pos = std::clamp(info.nPos, info.nMin, info.nMin + range);
    g.thumbStart = g.arrow + MulDiv(pixels, pos - info.nMin, range);
    g.thumbLength = thumb;
}

namespace {

// The bar's rectangle and direction; false when the window has no such bar
// the skin draws.
bool placeBar(HWND hwnd, int bar, ScrollBarGeometry& g) noexcept
{
    g = ScrollBarGeometry{};
    g.dpi = windowDpi(hwnd);
    if (bar == SB_CTL) {
        if (!isScrollBarWindow(hwnd))
            return false;
        GetClientRect(hwnd, &g.rect);
        g.vertical = (GetWindowLongPtrW(hwnd, GWL_STYLE) & SBS_VERT) != 0;
        return true;
    }
    if ((scrollStyleOf(hwnd) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) == 0)
        return false;
    g.rect = frameBarRect(hwnd, bar, g.dpi);
    g.vertical = bar == SB_VERT;
    return !IsRectEmpty(&g.rect);
}

// Arrows and thumb of a placed bar from its scroll information, the thumb
// where a drag holds it.
void divideBar(HWND hwnd, int bar, bool enabled, ScrollBarGeometry& g) noexcept
{
    SCROLLINFO info{sizeof(info), SIF_ALL};
    if (!GetScrollInfo(hwnd, bar, &info))
        info = SCROLLINFO{sizeof(info), SIF_ALL};
    if (g_dragged.system && g_dragged.hwnd == hwnd && g_dragged.bar == bar)
        info.nPos = info.nTrackPos;
    layoutScrollBar(g, info, enabled);
    if (g_dragged.hwnd == hwnd && g_dragged.bar == bar && g_dragged.start >= 0 && g.thumbLength)
        g.thumbStart = std::clamp(g_dragged.start, g.arrow, barLength(g) - g.arrow - g.thumbLength);
}

// The arrows' states as the system keeps them (ESB_DISABLE_*, a disabled
// window), read without a window property.
void readArrowStates(HWND hwnd, int bar, ScrollBarLook& look) noexcept
{
    SCROLLBARINFO info{sizeof(info)};
    const LONG object = bar == SB_VERT ? OBJID_VSCROLL : bar == SB_HORZ ? OBJID_HSCROLL : OBJID_CLIENT;
    const bool known = GetScrollBarInfo(hwnd, object, &info) != FALSE;
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    look.startEnabled = enabled && !(known && (info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE));
    look.endEnabled = enabled && !(known && (info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE));
}

// The hot and the pressed part of whichever bar of the window, read once for
// all its bars: each property read is a round trip to the window server.
struct PartsShown {
    explicit PartsShown(HWND hwnd) noexcept
        : hot(static_cast<int>(getProp(hwnd, prop::kScrollHot)))
        , down(static_cast<int>(getProp(hwnd, prop::kScrollDown)))
    {
    }
    int hot;
    int down;
};

ScrollBarLook lookOf(HWND hwnd, int bar, const PartsShown& parts) noexcept
{
    ScrollBarLook look;
    if (parts.hot && scrollBarOf(parts.hot) == bar)
        look.hot = scrollPartOf(parts.hot);
    if (parts.down && scrollBarOf(parts.down) == bar)
        look.pressed = scrollPartOf(parts.down);
    readArrowStates(hwnd, bar, look);
    return look;
}

} // namespace

bool scrollBarGeometry(HWND hwnd, int bar, ScrollBarGeometry& g) noexcept
{
    if (!placeBar(hwnd, bar, g))
        return false;
    ScrollBarLook look;
    readArrowStates(hwnd, bar, look);
    divideBar(hwnd, bar, look.startEnabled || look.endEnabled, g);
    return true;
}

void setDraggedThumb(HWND hwnd, int bar, int thumbStart) noexcept
{
    g_dragged = thumbStart < 0 ? DraggedThumb{} : DraggedThumb{hwnd, bar, thumbStart};
}

void setThumbTrackedBySystem(HWND hwnd, int bar) noexcept
{
    g_dragged = hwnd ? DraggedThumb{hwnd, bar, -1, true} : DraggedThumb{};
}

ScrollPart scrollPartAt(const ScrollBarGeometry& g, POINT point) noexcept
{
    if (!PtInRect(&g.rect, point))
        return ScrollPart::none;
    const int at = g.vertical ? point.y - g.rect.top : point.x - g.rect.left;
    const int length = barLength(g);
    if (at < g.arrow)
        return ScrollPart::lineUp;
    if (at >= length - g.arrow)
        return ScrollPart::lineDown;
    if (g.thumbLength == 0)
        return at < length / 2 ? ScrollPart::pageUp : ScrollPart::pageDown;
    if (at < g.thumbStart)
        return ScrollPart::pageUp;
    return at < g.thumbStart + g.thumbLength ? ScrollPart::thumb : ScrollPart::pageDown;
}

int scrollValueAt(const ScrollBarGeometry& g, const SCROLLINFO& info, int thumbStart) noexcept
{
    const int pixels = barLength(g) - 2 * g.arrow - g.thumbLength;
    const int range = info.nMax - info.nMin - std::max(static_cast<int>(info.nPage) - 1, 0);
    if (pixels <= 0 || range <= 0)
        return info.nMin;
    return info.nMin + MulDiv(std::clamp(thumbStart - g.arrow, 0, pixels), range, pixels);
}

ScrollBarLook scrollBarLook(HWND hwnd, int bar) noexcept
{
    return lookOf(hwnd, bar, PartsShown(hwnd));
}

void drawScrollBar(HDC dc, const ScrollBarGeometry& g, const ScrollBarLook& look) noexcept
{
    const int w = g.rect.right - g.rect.left;
    const int h = g.rect.bottom - g.rect.top;
    HDC s = scratchSurface(ScratchUse::picture, w, h);
    if (!s)
        return;
    const int length = barLength(g);
    fillSolidRect(s, 0, 0, w, h, kTrackColour);
    const bool enabled = look.startEnabled || look.endEnabled;
    // The page held down shows pressed between its arrow and the thumb.
    const int thumbEnd = g.thumbLength ? g.thumbStart + g.thumbLength : length / 2;
    const int thumbStart = g.thumbLength ? g.thumbStart : length / 2;
    RECT page{};
    if (enabled && look.pressed == ScrollPart::pageUp)
        page = along(g, w, h, g.arrow, thumbStart - g.arrow);
    else if (enabled && look.pressed == ScrollPart::pageDown)
        page = along(g, w, h, thumbEnd, length - g.arrow - thumbEnd);
    if (!IsRectEmpty(&page))
        fillSolidRect(s, page.left, page.top, page.right - page.left, page.bottom - page.top, kPressedTrackColour);

    const RECT start = along(g, w, h, 0, g.arrow);
    const RECT end = along(g, w, h, length - g.arrow, g.arrow);
    drawArrowButton(s, start, g.vertical ? Direction::up : Direction::left,
                    partState(look, ScrollPart::lineUp, look.startEnabled), g.dpi);
    drawArrowButton(s, end, g.vertical ? Direction::down : Direction::right,
                    partState(look, ScrollPart::lineDown, look.endEnabled), g.dpi);

    if (g.thumbLength) {
        // The thumb keeps a pixel of track on either side across the bar.
        const int inset = scaleToDpi(1, g.dpi);
        RECT thumb = along(g, w, h, g.thumbStart, g.thumbLength);
        InflateRect(&thumb, g.vertical ? -inset : 0, g.vertical ? 0 : -inset);
        drawButtonTile(s, thumb, partState(look, ScrollPart::thumb, enabled), g.dpi);
    }
    BitBlt(dc, g.rect.left, g.rect.top, w, h, s, 0, 0, SRCCOPY);
}

bool showsSizeGrip(HWND hwnd) noexcept
{
    if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR)
        return false;
    RECT outer{};
    GetWindowRect(hwnd, &outer);
    for (HWND w = hwnd; w; w = GetAncestor(w, GA_PARENT)) {
        const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
        if (style & WS_THICKFRAME) {
            RECT client{};
            GetClientRect(w, &client);
            MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&client), 2);
            return !(style & (WS_MAXIMIZE | WS_MINIMIZE)) && outer.right + GetSystemMetrics(SM_CXEDGE) >= client.right
                && outer.bottom + GetSystemMetrics(SM_CYEDGE) >= client.bottom;
        }
        if (!(style & WS_CHILD) || (style & WS_CAPTION) == WS_CAPTION)
            return false;
    }
    return false;
}

void drawScrollCorner(HDC dc, const RECT& box, bool grip, int dpi) noexcept
{
    const int w = box.right - box.left;
    const int h = box.bottom - box.top;
    HDC s = grip ? scratchSurface(ScratchUse::picture, w, h) : nullptr;
    if (!s) {
        fillSolidRect(dc, box.left, box.top, w, h, kTrackColour);
        return;
    }
    fillSolidRect(s, 0, 0, w, h, kTrackColour);
    // Rows of three, two and one dot from the bottom, right-aligned, each dot
    // with a shade below and to its right.
    const int dot = scaleToDpi(2, dpi);
    const int step = scaleToDpi(4, dpi);
    const int shade = scaleToDpi(1, dpi);
    const int inset = scaleToDpi(2, dpi) + shade + dot;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; row + column < 3; ++column) {
            const int x = w - inset - column * step;
            const int y = h - inset - row * step;
            fillSolidRect(s, x + shade, y + shade, dot, dot, kGripShadeColour);
            fillSolidRect(s, x, y, dot, dot, kGripColour);
        }
    BitBlt(dc, box.left, box.top, w, h, s, 0, 0, SRCCOPY);
}

namespace {

// A focused "ScrollBar" window blinks the system's caret inside its thumb.
// The caret is hidden while the skin draws under it, then placed in the
// skin's thumb: the system moves it only when it draws the bar itself.
bool ownsCaret(HWND hwnd) noexcept
{
    GUITHREADINFO thread{sizeof(thread)};
    return GetFocus() == hwnd && GetGUIThreadInfo(GetCurrentThreadId(), &thread) && thread.hwndCaret == hwnd;
}

} // namespace

void paintScrollBars(HWND hwnd, HDC dc) noexcept
{
    const bool control = isScrollBarWindow(hwnd);
    const int bars[2] = {control ? SB_CTL : SB_VERT, SB_HORZ};
    ScrollBarGeometry g[2];
    const bool placed[2] = {placeBar(hwnd, bars[0], g[0]), !control && placeBar(hwnd, SB_HORZ, g[1])};
    if (!placed[0] && !placed[1])
        return;
    std::optional<WindowDc> window;
    std::optional<ClientDc> client;
    if (!dc) {
        dc = control ? client.emplace(hwnd).get() : window.emplace(hwnd).get();
        if (!dc)
            return;
    }
    const bool caret = control && ownsCaret(hwnd);
    if (caret)
        HideCaret(hwnd);
    const PartsShown parts(hwnd);
    for (int i = 0; i < 2; ++i)
        if (placed[i]) {
            const ScrollBarLook look = lookOf(hwnd, bars[i], parts);
            divideBar(hwnd, bars[i], look.startEnabled || look.endEnabled, g[i]);
            drawScrollBar(dc, g[i], look);
        }
    if (placed[0] && placed[1])
        drawScrollCorner(dc, RECT{g[0].rect.left, g[1].rect.top, g[0].rect.right, g[1].rect.bottom},
                         showsSizeGrip(hwnd), g[0].dpi);
    if (caret) {
        const ScrollBarGeometry& b = g[0];
        if (b.thumbLength)
            SetCaretPos(b.rect.left + 1 + (b.vertical ? 0 : b.thumbStart),
                        b.rect.top + 1 + (b.vertical ? b.thumbStart : 0));
        ShowCaret(hwnd);
    }
}

DWORD scrollInfoChecksum(HWND hwnd, int bar) noexcept
{
    SCROLLINFO info{sizeof(info), SIF_ALL};
    if (!GetScrollInfo(hwnd, bar, &info))
        return 0;
    DWORD sum = 2166136261u;
    for (int value : {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, bar})
        sum = (sum ^ static_cast<DWORD>(value)) * 16777619u;
    return sum;
}

void refreshScrollBars(HWND hwnd, bool force, HDC dc) noexcept
{
    if (g_dragged.system && g_dragged.hwnd == hwnd) {
        if (force)
            paintScrollBars(hwnd, dc);
        return;
    }
    if (quietScrollBits(hwnd) != 0)
        return;
    const bool control = isScrollBarWindow(hwnd);
    const LONG_PTR bits = control ? 0 : scrollStyleOf(hwnd);
    LONG_PTR sum = bits + (IsWindowEnabled(hwnd) ? 1 : 2);
    // A frame bar is never asked about as a control: the question is a
    // message to the window, which would land here again.
    for (int bar : {SB_HORZ, SB_VERT, SB_CTL})
        if (control ? bar == SB_CTL : bar != SB_CTL && (bits & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0) {
            ScrollBarLook look;
            readArrowStates(hwnd, bar, look);
            sum = (sum * 31 + scrollInfoChecksum(hwnd, bar)) * 4 + look.startEnabled * 2 + look.endEnabled;
        }
    const LONG_PTR drawn = getProp(hwnd, prop::kScrollSign);
    if (sum == drawn && !force)
        return;
    if (sum != drawn)
        setProp(hwnd, prop::kScrollSign, sum);
    paintScrollBars(hwnd, dc);
}

namespace {

// The frame bars' rectangles in window coordinates, the horizontal one
// stretched over the box where they meet; the number of them.
int frameBarRects(HWND hwnd, RECT (&parts)[2]) noexcept
{
    const int dpi = windowDpi(hwnd);
    int count = 0;
    for (int bar : {SB_VERT, SB_HORZ})
        if (hasSkinnedBar(hwnd, bar))
            parts[count++] = frameBarRect(hwnd, bar, dpi);
    if (count == 2)
        parts[1].left = std::min(parts[1].left, parts[0].left), parts[1].right = std::max(parts[1].right, parts[0].right);
    return count;
}

} // namespace

void excludeScrollBars(HWND hwnd, HDC windowDc) noexcept
{
    RECT parts[2]{};
    const int count = frameBarRects(hwnd, parts);
    for (int i = 0; i < count; ++i)
        ExcludeClipRect(windowDc, parts[i].left, parts[i].top, parts[i].right, parts[i].bottom);
}

HRGN frameRegionWithoutBars(HWND hwnd, HRGN update) noexcept
{
    RECT parts[2]{};
    const int count = frameBarRects(hwnd, parts);
    if (count == 0)
        return nullptr;
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    HRGN region = CreateRectRgn(bounds.left, bounds.top, bounds.right, bounds.bottom);
    if (!region)
        return nullptr;
    if (update && update != reinterpret_cast<HRGN>(1))
        CombineRgn(region, region, update, RGN_AND);
    for (int i = 0; i < count; ++i) {
        // A mirrored window's coordinates run leftwards from its right edge.
        const int left = windowLayout(hwnd) ? bounds.right - parts[i].right : bounds.left + parts[i].left;
        const UniqueRegion bar(CreateRectRgn(left, bounds.top + parts[i].top, left + parts[i].right - parts[i].left,
                                             bounds.top + parts[i].bottom));
        if (bar)
            CombineRgn(region, region, bar.get(), RGN_DIFF);
    }
    return region;
}

} // namespace skin
