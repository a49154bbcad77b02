#include "skin/input/scroll_quiet.h"

#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/paint/scroll_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace skin {

namespace {

constexpr LONG_PTR kBarBits = WS_VSCROLL | WS_HSCROLL;

// The window whose style the skin is changing, so it is not told.
thread_local HWND g_restyling = nullptr;

void setStyleQuietly(HWND hwnd, LONG_PTR style) noexcept
{
    HWND outer = g_restyling;
    g_restyling = hwnd;
    SetWindowLongPtrW(hwnd, GWL_STYLE, style);
    g_restyling = outer;
}

// Messages after which a control may have scrolled: the scroll messages and
// the wheel, and for the system's own list and edit boxes the keys, their
// timers and the messages that change their content or move their view (a
// combo box passes its CB_ messages on to its list as LB_ ones). The common
// controls show and hide their bars themselves on other occasions, which the
// skin could not tell while the bits are off, so only scrolling is quiet
// there. A press is never quiet: a drop-down list asks the system where it
// landed, and only with the bits on is the answer the scroll bar.
bool scrolls(UINT msg) noexcept
{
    return msg == WM_VSCROLL || msg == WM_HSCROLL || msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL;
}

bool changesList(UINT msg) noexcept
{
    switch (msg) {
    case LB_ADDSTRING: case LB_INSERTSTRING: case LB_DELETESTRING: case LB_RESETCONTENT: case LB_SETCOUNT:
    case LB_DIR: case LB_ADDFILE: case LB_SELECTSTRING: case LB_SETSEL: case LB_SETTOPINDEX: case LB_SETCURSEL:
    case LB_SETCARETINDEX: case LB_SETITEMHEIGHT: case LB_SETHORIZONTALEXTENT: case LB_SETCOLUMNWIDTH:
        return true;
    default:
        return false;
    }
}

bool changesEdit(UINT msg) noexcept
{
    switch (msg) {
    case EM_SCROLL: case EM_LINESCROLL: case EM_SCROLLCARET: case EM_SETSEL: case EM_REPLACESEL: case EM_SETHANDLE:
    case EM_UNDO: case EM_SETMARGINS: case EM_SETRECT: case EM_SETRECTNP: case EM_FMTLINES:
    case WM_SETTEXT: case WM_CUT: case WM_PASTE: case WM_CLEAR: case WM_UNDO:
        return true;
    default:
        return false;
    }
}

bool mayScroll(HWND hwnd, UINT msg) noexcept
{
    const bool any = msg == WM_KEYDOWN || msg == WM_CHAR || msg == WM_TIMER || msg == WM_SETFONT || msg == WM_SIZE;
    if (!any && !changesList(msg) && !changesEdit(msg))
        return false;
    const std::wstring name = lowerClassName(hwnd);
    if (name == L"edit")
        return any || changesEdit(msg);
    return (name == L"listbox" || name == L"combolbox") && (any || changesList(msg));
}

// What the system would have done had it seen the bit: a bar whose range no
// longer scrolls goes away, unless it was kept disabled instead.
void hideBarsThatStopScrolling(HWND hwnd, LONG_PTR bits, const DWORD (&before)[2]) noexcept
{
    for (int bar : {SB_HORZ, SB_VERT}) {
        if (!(bits & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) || scrollInfoChecksum(hwnd, bar) == before[bar])
            continue;
        SCROLLINFO info{sizeof(info), SIF_ALL};
        GetScrollInfo(hwnd, bar, &info);
        SCROLLBARINFO state{sizeof(state)};
        GetScrollBarInfo(hwnd, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &state);
        const bool scrollable = info.nMin < info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0);
        if (!scrollable && !(state.rgstate[0] & STATE_SYSTEM_UNAVAILABLE))
            ShowScrollBar(hwnd, bar, FALSE);
    }
}

} // namespace

QuietScrollBars::QuietScrollBars(HWND hwnd, UINT msg) noexcept : m_hwnd(hwnd), m_msg(msg)
{
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    // A "ScrollBar" window has no bar bits. It draws itself when its arrows
    // are enabled or disabled, and while it is not visible that goes nowhere.
    if ((msg == WM_ENABLE || msg == SBM_ENABLE_ARROWS) && (style & WS_VISIBLE) && isScrollBarWindow(hwnd)) {
        m_hidden = true;
        setStyleQuietly(hwnd, style & ~WS_VISIBLE);
        return;
    }
    if (!(style & kBarBits) || quietScrollBits(hwnd) != 0)
        return;
    if (!scrolls(msg) && !mayScroll(hwnd, msg))
        return;
    if (!hasSkinnedBar(hwnd, SB_VERT) && !hasSkinnedBar(hwnd, SB_HORZ))
        return;
    m_bits = style & kBarBits;
    for (int bar : {SB_HORZ, SB_VERT})
        m_before[bar] = scrollInfoChecksum(hwnd, bar);
    setQuietScrollBits(hwnd, m_bits);
    setStyleQuietly(hwnd, style & ~kBarBits);
}

QuietScrollBars::~QuietScrollBars()
{
    if (m_bits) {
        const LONG_PTR off = takeQuietScrollBits(m_hwnd);
        if (!IsWindow(m_hwnd))
            return;
        // Bits the system set meanwhile are bars it showed.
        const LONG_PTR style = GetWindowLongPtrW(m_hwnd, GWL_STYLE);
        const LONG_PTR bits = off | (style & kBarBits);
        setStyleQuietly(m_hwnd, style | bits);
        hideBarsThatStopScrolling(m_hwnd, bits, m_before);
    }
    if (m_hidden && IsWindow(m_hwnd))
        setStyleQuietly(m_hwnd, GetWindowLongPtrW(m_hwnd, GWL_STYLE) | WS_VISIBLE);
    // After a notification the thumb is drawn anew also while the system
    // tracks it, at the position it tracks.
    if ((m_hidden || scrollStyleOf(m_hwnd)) && isAttached(m_hwnd))
        refreshScrollBars(m_hwnd, m_hidden || m_msg == WM_VSCROLL || m_msg == WM_HSCROLL);
}

LRESULT forwardQuietly(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    if (!(style & kBarBits) || quietScrollBits(hwnd) != 0)
        return forward(savedProc, hwnd, msg, wParam, lParam);
    setQuietScrollBits(hwnd, style & kBarBits);
    setStyleQuietly(hwnd, style & ~kBarBits);
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    const LONG_PTR bits = takeQuietScrollBits(hwnd);
    if (IsWindow(hwnd))
        setStyleQuietly(hwnd, GetWindowLongPtrW(hwnd, GWL_STYLE) | bits);
    return result;
}

LRESULT onNcCalcSize(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LONG_PTR off = quietScrollBits(hwnd);
    if (!off)
        return forward(savedProc, hwnd, msg, wParam, lParam);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR bits = off | (style & kBarBits);
    setStyleQuietly(hwnd, style | bits);
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (IsWindow(hwnd)) {
        setStyleQuietly(hwnd, GetWindowLongPtrW(hwnd, GWL_STYLE) & ~kBarBits);
        setProp(hwnd, prop::kScrollBits, bits);
    }
    return result;
}

LRESULT onStyleChange(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (hwnd == g_restyling && static_cast<int>(wParam) == GWL_STYLE)
        return 0;
    return forward(savedProc, hwnd, msg, wParam, lParam);
}

} // namespace skin
