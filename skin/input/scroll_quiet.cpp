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

// A list view keeps its bars through SetScrollInfo alone when its content
// or size changes, so a bar it no longer needs is one whose range stopped
// scrolling, as with the list and edit boxes. It lays out its rows once more
// only when it hides a bar itself, so a horizontal bar hidden after the
// message would leave the vertical one's page short: with a horizontal bar
// shown, and in the list view (whose columns follow the horizontal bit), it
// sees the bits. It hides its bars itself when its view changes: loud too.
bool changesListView(UINT msg) noexcept
{
    switch (msg) {
    case LVM_INSERTITEMA: case LVM_INSERTITEMW: case LVM_DELETEITEM: case LVM_DELETEALLITEMS: case LVM_SETITEMCOUNT:
    case LVM_ENSUREVISIBLE: case LVM_SCROLL: case LVM_INSERTCOLUMNA: case LVM_INSERTCOLUMNW: case LVM_DELETECOLUMN:
    case LVM_SETCOLUMNWIDTH: case LVM_ARRANGE: case LVM_UPDATE:
        return true;
    default:
        return false;
    }
}

// A tree view hides a bar it no longer needs through ShowScrollBar and leaves
// its scroll information as it was, which while the bits are off changes
// nothing the skin could read. So only what can add rows or move the view,
// never take rows away or widen the client area, is quiet there: a collapse
// (the left and minus keys among others), a deletion, a size or font stays loud.
bool growsTree(UINT msg, WPARAM wParam) noexcept
{
    switch (msg) {
    case TVM_INSERTITEMA: case TVM_INSERTITEMW: case TVM_ENSUREVISIBLE: case TVM_SELECTITEM: case WM_CHAR: case WM_TIMER:
        return true;
    case TVM_EXPAND:
        return (wParam & (TVE_EXPAND | TVE_COLLAPSE)) == TVE_EXPAND;
    case WM_KEYDOWN:
        return wParam != VK_LEFT && wParam != VK_SUBTRACT;
    default:
        return false;
    }
}

bool mayScroll(HWND hwnd, UINT msg, WPARAM wParam) noexcept
{
    const bool any = msg == WM_KEYDOWN || msg == WM_CHAR || msg == WM_TIMER || msg == WM_SETFONT || msg == WM_SIZE;
    if (!any && !changesList(msg) && !changesEdit(msg) && !changesListView(msg) && !growsTree(msg, wParam))
        return false;
    const std::wstring name = lowerClassName(hwnd);
    if (name == L"edit")
        return any || changesEdit(msg);
    if (name == L"listbox" || name == L"combolbox")
        return any || changesList(msg);
    if (name == L"syslistview32")
        return (any || changesListView(msg)) && !(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_HSCROLL)
            && SendMessageW(hwnd, LVM_GETVIEW, 0, 0) != LV_VIEW_LIST;
    return name == L"systreeview32" && growsTree(msg, wParam);
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
        // The bar as a whole reads unavailable whenever its range does not
        // scroll; only both arrows disabled say it was kept disabled.
        const bool keptDisabled = (state.rgstate[1] & state.rgstate[5] & STATE_SYSTEM_UNAVAILABLE) != 0;
        if (!scrollable && !keptDisabled)
            ShowScrollBar(hwnd, bar, FALSE);
    }
}

// An edit box told where its dragged thumb ended reads its horizontal bit
// anew, and without it takes the position for a percentage of its width.
bool endsEditThumbDrag(HWND hwnd, UINT msg, WPARAM wParam) noexcept
{
    return msg == WM_HSCROLL && LOWORD(wParam) == SB_THUMBPOSITION
        && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_HSCROLL) && lowerClassName(hwnd) == L"edit";
}

} // namespace

void setStyleQuietly(HWND hwnd, LONG_PTR style) noexcept
{
    HWND outer = g_restyling;
    g_restyling = hwnd;
    SetWindowLongPtrW(hwnd, GWL_STYLE, style);
    g_restyling = outer;
}

QuietScrollBars::QuietScrollBars(HWND hwnd, UINT msg, WPARAM wParam) noexcept : m_hwnd(hwnd), m_msg(msg)
{
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    // A "ScrollBar" window has no bar bits. It draws itself when its arrows
    // are enabled or disabled, and while it is not visible that goes nowhere.
    // So does an edit box that must keep its bits.
    const bool arrows = (msg == WM_ENABLE || msg == SBM_ENABLE_ARROWS) && isScrollBarWindow(hwnd);
    if ((arrows || endsEditThumbDrag(hwnd, msg, wParam)) && (style & WS_VISIBLE)) {
        m_hidden = true;
        m_before[SB_HORZ] = scrollInfoChecksum(hwnd, SB_HORZ);
        setStyleQuietly(hwnd, style & ~WS_VISIBLE);
        return;
    }
    if (!(style & kBarBits) || quietScrollBits(hwnd) != 0)
        return;
    if (!scrolls(msg) && !mayScroll(hwnd, msg, wParam))
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
    if (m_hidden && IsWindow(m_hwnd)) {
        setStyleQuietly(m_hwnd, GetWindowLongPtrW(m_hwnd, GWL_STYLE) | WS_VISIBLE);
        // Text scrolled while invisible was not moved on the screen.
        if (scrollInfoChecksum(m_hwnd, SB_HORZ) != m_before[SB_HORZ])
            InvalidateRect(m_hwnd, nullptr, TRUE);
    }
    // After a notification the thumb is drawn anew also while the system
    // tracks it, at the position it tracks.
    if ((m_hidden || scrollStyleOf(m_hwnd)) && isAttached(m_hwnd))
        refreshScrollBars(m_hwnd, m_hidden || m_msg == WM_VSCROLL || m_msg == WM_HSCROLL);
}

LRESULT forwardQuietly(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    // Only the tracked bar's bit goes: the system measures a horizontal bar
    // one pixel longer when the window has a vertical one, and the other way round.
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR off = style & (wParam == HTHSCROLL ? WS_HSCROLL : wParam == HTVSCROLL ? WS_VSCROLL : kBarBits);
    if (!off || quietScrollBits(hwnd) != 0)
        return forward(savedProc, hwnd, msg, wParam, lParam);
    setQuietScrollBits(hwnd, off);
    setStyleQuietly(hwnd, style & ~off);
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
