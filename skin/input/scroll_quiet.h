// Keeps the system from drawing its own scroll bars over the skin's.
//
// The system draws a window's frame bars not only in WM_NCPAINT but straight
// away whenever the scroll information changes (SetScrollInfo with redraw,
// from inside the control's own handling of a scroll, a key or the wheel).
// It draws only bars whose style bit is set, so while a message that scrolls
// is handled the two bits are taken off without the window being told, and
// put back afterwards; then the skin draws the bars as they now are. A
// "ScrollBar" window is kept from drawing itself by being invisible meanwhile.
#pragma once

#include <windows.h>

namespace skin {

class QuietScrollBars {
public:
    QuietScrollBars(HWND hwnd, UINT msg, WPARAM wParam) noexcept;
    ~QuietScrollBars();
    QuietScrollBars(const QuietScrollBars&) = delete;
    QuietScrollBars& operator=(const QuietScrollBars&) = delete;

private:
    HWND m_hwnd;
    UINT m_msg;
    LONG_PTR m_bits = 0;   // the bits taken off, 0 when nothing was
    DWORD m_before[2]{};   // each bar's scroll information as a checksum
    bool m_hidden = false; // a "ScrollBar" window made invisible for the message
};

// Sets the window's style without the window hearing of it.
void setStyleQuietly(HWND hwnd, LONG_PTR style) noexcept;

// Forwards a press on a frame bar with that bar's bit off the whole time, for
// the system's own tracking loop: it still finds and tracks the bar, but draws nothing.
LRESULT forwardQuietly(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

// WM_NCCALCSIZE: the client area is worked out with the bits the window
// really has, also while they are off.
LRESULT onNcCalcSize(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// WM_STYLECHANGING and WM_STYLECHANGED: the window never hears of the bits
// going off and on again.
LRESULT onStyleChange(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
