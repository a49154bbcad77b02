#include "skin/input/scroll_track.h"

#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/images/rect.h"
#include "skin/input/mouse.h"
#include "skin/input/scroll_quiet.h"
#include "skin/paint/scroll_bar.h"

#include <string>

namespace skin {

namespace {

WORD codeOf(ScrollPart part) noexcept
{
    switch (part) {
    case ScrollPart::lineUp: return SB_LINEUP;
    case ScrollPart::pageUp: return SB_PAGEUP;
    case ScrollPart::pageDown: return SB_PAGEDOWN;
    case ScrollPart::lineDown: return SB_LINEDOWN;
    default: return SB_THUMBTRACK;
    }
}

// A frame bar notifies its own window; a "ScrollBar" window its parent, with
// its own handle.
void notify(HWND hwnd, int bar, bool vertical, WORD code, int position) noexcept
{
    const WPARAM wParam = MAKEWPARAM(code, static_cast<WORD>(position));
    if (bar == SB_CTL)
        SendMessageW(GetParent(hwnd), vertical ? WM_VSCROLL : WM_HSCROLL, wParam, reinterpret_cast<LPARAM>(hwnd));
    else
        SendMessageW(hwnd, vertical ? WM_VSCROLL : WM_HSCROLL, wParam, 0);
}

// A screen point in the coordinates the bar's geometry uses.
POINT barPoint(HWND hwnd, int bar, POINT screen) noexcept
{
    if (bar == SB_CTL) {
        ScreenToClient(hwnd, &screen);
        return screen;
    }
    // A mirrored window's coordinates run leftwards from its right edge.
    RECT window{};
    GetWindowRect(hwnd, &window);
    return POINT{windowLayout(hwnd) ? window.right - 1 - screen.x : screen.x - window.left, screen.y - window.top};
}

int alongBar(const ScrollBarGeometry& g, POINT p) noexcept
{
    return g.vertical ? p.y - g.rect.top : p.x - g.rect.left;
}

// The thumb this thread drags through its own tracking, and the position it
// stands for, which the skin answers when a "ScrollBar" window is asked for
// its track position.
struct TrackedThumb {
    HWND hwnd = nullptr;
    int value = 0;
};
thread_local TrackedThumb t_tracked;

// The system keeps a dragged thumb where the pointer holds it only while the
// pointer stays near the bar: within eight bar widths across it and two
// beyond its ends. Farther away the thumb goes back to where it started.
bool nearBar(const ScrollBarGeometry& g, POINT p) noexcept
{
    RECT zone = g.rect;
    const int width = g.vertical ? zone.right - zone.left : zone.bottom - zone.top;
    InflateRect(&zone, width * (g.vertical ? 8 : 2), width * (g.vertical ? 2 : 8));
    return PtInRect(&zone, p) != FALSE;
}

void showPart(HWND hwnd, const PropName& name, int code) noexcept
{
    if (getProp(hwnd, name) == code)
        return;
    if (code)
        setProp(hwnd, name, code);
    else
        removeProp(hwnd, name);
    paintScrollBars(hwnd);
}

// Runs until the button is released or the capture is lost, as the system's
// own tracking does: held arrows and pages repeat while the pointer stays on
// them, the thumb follows the pointer.
void trackScrollBar(HWND hwnd, int bar, POINT screen) noexcept
{
    // A press that is not held (a message sent, not the pointer's own) has no
    // release to end the tracking.
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    ScrollBarGeometry g;
    if (!(GetKeyState(button) & 0x8000) || !scrollBarGeometry(hwnd, bar, g))
        return;
    const ScrollBarLook look = scrollBarLook(hwnd, bar);
    const ScrollPart part = scrollPartAt(g, barPoint(hwnd, bar, screen));
    if (part == ScrollPart::none || (!look.startEnabled && !look.endEnabled)
        || (part == ScrollPart::lineUp && !look.startEnabled) || (part == ScrollPart::lineDown && !look.endEnabled)
        || (part == ScrollPart::thumb && g.thumbLength == 0))
        return;
    SCROLLINFO info{sizeof(info), SIF_ALL};
    GetScrollInfo(hwnd, bar, &info);
    const int code = scrollPartCode(bar, part);
    const bool thumb = part == ScrollPart::thumb;
    const int grab = alongBar(g, barPoint(hwnd, bar, screen)) - g.thumbStart;
    int value = info.nPos;

    SetCapture(hwnd);
    showPart(hwnd, prop::kScrollDown, code);
    UINT_PTR timer = 0;
    if (thumb) {
        setDraggedThumb(hwnd, bar, g.thumbStart);
        t_tracked = TrackedThumb{hwnd, value};
        notify(hwnd, bar, g.vertical, SB_THUMBTRACK, value);
    } else {
        notify(hwnd, bar, g.vertical, codeOf(part), 0);
        timer = SetTimer(nullptr, 0, kScrollFirstDelay, nullptr);
    }
    bool repeating = false;
    MSG msg{};
    while (GetCapture() == hwnd) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP)
            break;
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == hwnd) {
            ScrollBarGeometry now;
            if (!scrollBarGeometry(hwnd, bar, now))
                break;
            const POINT p = barPoint(hwnd, bar, msg.pt);
            if (!thumb) {
                showPart(hwnd, prop::kScrollDown, scrollPartAt(now, p) == part ? code : 0);
                continue;
            }
            const bool held = nearBar(now, p);
            setDraggedThumb(hwnd, bar, held ? alongBar(now, p) - grab : g.thumbStart);
            scrollBarGeometry(hwnd, bar, now);
            paintScrollBars(hwnd);
            const int at = held ? scrollValueAt(now, info, now.thumbStart) : info.nPos;
            if (at != value) {
                value = at;
                t_tracked.value = value;
                notify(hwnd, bar, g.vertical, SB_THUMBTRACK, value);
            }
            continue;
        }
        if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == timer) {
            if (!repeating)
                timer = SetTimer(nullptr, timer, kScrollRepeatDelay, nullptr), repeating = true;
            ScrollBarGeometry now;
            POINT cursor{};
            GetCursorPos(&cursor);
            if (scrollBarGeometry(hwnd, bar, now) && scrollPartAt(now, barPoint(hwnd, bar, cursor)) == part)
                notify(hwnd, bar, g.vertical, codeOf(part), 0);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (timer)
        KillTimer(nullptr, timer);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (IsWindow(hwnd) && thumb)
        notify(hwnd, bar, g.vertical, SB_THUMBPOSITION, value);
    setDraggedThumb(nullptr, 0, -1);
    t_tracked = TrackedThumb{};
    if (!IsWindow(hwnd))
        return;
    notify(hwnd, bar, g.vertical, SB_ENDSCROLL, 0);
    if (isAttached(hwnd))
        showPart(hwnd, prop::kScrollDown, 0);
}

// The system's list, edit and tree controls take a dragged thumb's position
// from the notification, and a "ScrollBar" window is asked for it by message,
// which the skin answers. Other windows may ask the system for a frame bar's
// (GetScrollInfo with SIF_TRACKPOS, as the list view does), which only the
// system's own tracking answers: there the thumb is left to the system, and
// the skin draws the bar again once the drag is over.
bool followsNotifiedThumb(HWND hwnd) noexcept
{
    const std::wstring name = lowerClassName(hwnd);
    return name == L"listbox" || name == L"combolbox" || name == L"edit" || name == L"systreeview32"
        || isScrollBar(name);
}

bool leavesThumbToSystem(HWND hwnd, int bar, POINT screen) noexcept
{
    ScrollBarGeometry g;
    return !followsNotifiedThumb(hwnd) && scrollBarGeometry(hwnd, bar, g)
        && scrollPartAt(g, barPoint(hwnd, bar, screen)) == ScrollPart::thumb;
}

int frameBarOf(WPARAM hit) noexcept
{
    return hit == HTVSCROLL ? SB_VERT : hit == HTHSCROLL ? SB_HORZ : -1;
}

POINT packedPoint(LPARAM lParam) noexcept
{
    return POINT{readLowWord(lParam), readHighWord(lParam)};
}

// The hot part under a screen point, 0 when it is on no skinned bar.
int hotCode(HWND hwnd, int bar, POINT screen) noexcept
{
    ScrollBarGeometry g;
    if (bar < 0 || !scrollBarGeometry(hwnd, bar, g))
        return 0;
    return scrollPartCode(bar, scrollPartAt(g, barPoint(hwnd, bar, screen)));
}

void trackLeave(HWND hwnd, DWORD flags) noexcept
{
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | flags, hwnd, 0};
    TrackMouseEvent(&track);
}

} // namespace

LRESULT onNcLButtonDown(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const int bar = frameBarOf(wParam);
    if (bar < 0 || !hasSkinnedBar(hwnd, bar))
        return forward(savedProc, hwnd, msg, wParam, lParam);
    if (leavesThumbToSystem(hwnd, bar, packedPoint(lParam))) {
        // The system tracks with the bits off: its loop sends the same
        // notifications and answers SIF_TRACKPOS, and the skin draws the
        // thumb at the tracked position after each of them.
        showPart(hwnd, prop::kScrollDown, scrollPartCode(bar, ScrollPart::thumb));
        setThumbTrackedBySystem(hwnd, bar);
        const LRESULT result = forwardQuietly(savedProc, hwnd, msg, wParam, lParam);
        setThumbTrackedBySystem(nullptr, 0);
        if (isAttached(hwnd)) {
            removeProp(hwnd, prop::kScrollDown);
            refreshScrollBars(hwnd, true);
        }
        return result;
    }
    trackScrollBar(hwnd, bar, packedPoint(lParam));
    return 0;
}

LRESULT onNcMouseMove(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const int code = hotCode(hwnd, frameBarOf(wParam), packedPoint(lParam));
    if (code && getProp(hwnd, prop::kScrollHot) == 0)
        trackLeave(hwnd, TME_NONCLIENT);
    showPart(hwnd, prop::kScrollHot, code);
    // The system's own hot look of its bars is never asked for.
    return code ? 0 : forward(savedProc, hwnd, msg, wParam, lParam);
}

LRESULT onNcMouseLeave(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    showPart(hwnd, prop::kScrollHot, 0);
    return forward(savedProc, hwnd, msg, wParam, lParam);
}

LRESULT onScrollBarWindowMouse(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    POINT screen = packedPoint(lParam);
    ClientToScreen(hwnd, &screen);
    switch (msg) {
    case WM_MOUSEMOVE: {
        const int code = hotCode(hwnd, SB_CTL, screen);
        if (code && getProp(hwnd, prop::kScrollHot) == 0)
            trackLeave(hwnd, 0);
        showPart(hwnd, prop::kScrollHot, code);
        return 0;
    }
    case WM_MOUSELEAVE:
        showPart(hwnd, prop::kScrollHot, 0);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A tab stop takes the focus on a press, as the system's bar does.
        if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_TABSTOP)
            SetFocus(hwnd);
        trackScrollBar(hwnd, SB_CTL, screen);
        return 0;
    default:
        return forward(savedProc, hwnd, msg, wParam, lParam);
    }
}

LRESULT onScrollBarWindowChange(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (!isScrollBarWindow(hwnd))
        return forward(savedProc, hwnd, msg, wParam, lParam);
    bool redraw = true;
    switch (msg) {
    case SBM_SETSCROLLINFO: redraw = wParam != 0, wParam = FALSE; break;
    case SBM_SETPOS: redraw = lParam != 0, lParam = FALSE; break;
    case SBM_SETRANGEREDRAW: msg = SBM_SETRANGE; break;
    default: redraw = false; break; // SBM_ENABLE_ARROWS: drawn once visible again (QuietScrollBars)
    }
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (redraw && isAttached(hwnd))
        paintScrollBars(hwnd);
    return result;
}

LRESULT onScrollBarWindowInfo(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
    if (result && info && (info->fMask & SIF_TRACKPOS) && hwnd == t_tracked.hwnd)
        info->nTrackPos = t_tracked.value;
    return result;
}

} // namespace skin
