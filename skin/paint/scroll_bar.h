// Scroll bars drawn by the skin: the standard bars in a window's frame
// (WS_VSCROLL, WS_HSCROLL) and "ScrollBar" windows. The system keeps the
// scroll information; this only lays it out the system's way and draws it.
#pragma once

#include <windows.h>

namespace skin {

// The parts of a bar, from its start (top or left) to its end.
enum class ScrollPart : int { none, lineUp, pageUp, thumb, pageDown, lineDown };

// A part of one bar of one window in a single number, as the hot and pressed
// properties keep it; 0 is none.
inline int scrollPartCode(int bar, ScrollPart part) noexcept
{
    return part == ScrollPart::none ? 0 : bar * 8 + static_cast<int>(part);
}
inline int scrollBarOf(int code) noexcept { return code / 8; }
inline ScrollPart scrollPartOf(int code) noexcept { return static_cast<ScrollPart>(code % 8); }

// Where a bar lies and how its parts divide it. Lengths run along the bar.
struct ScrollBarGeometry {
    RECT rect{};          // window coordinates (client coordinates for SB_CTL)
    bool vertical = true;
    int arrow = 0;        // each arrow button
    int thumbStart = 0;   // from the bar's start; no thumb when thumbLength is 0
    int thumbLength = 0;
    int dpi = 96;
};

// How a bar is drawn besides its geometry.
struct ScrollBarLook {
    ScrollPart hot = ScrollPart::none;
    ScrollPart pressed = ScrollPart::none;
    bool startEnabled = true; // the up or left arrow
    bool endEnabled = true;   // the down or right arrow
};

// WS_VSCROLL and WS_HSCROLL as the window has them, also while they are
// taken off for a moment (see quietScrollBits).
LONG_PTR scrollStyleOf(HWND hwnd) noexcept;
// The bits taken off the window for the message being handled, if any. The
// thread counts the windows that have bits off, so while it has none no
// window pays a property read for the question.
LONG_PTR quietScrollBits(HWND hwnd) noexcept;
void setQuietScrollBits(HWND hwnd, LONG_PTR bits) noexcept;
LONG_PTR takeQuietScrollBits(HWND hwnd) noexcept;
// True when `bar` (SB_HORZ, SB_VERT or SB_CTL) of the window is one the skin
// draws: a frame bar shown with room for it, or a "ScrollBar" window.
bool hasSkinnedBar(HWND hwnd, int bar) noexcept;
bool isScrollBarWindow(HWND hwnd) noexcept;

// The bar's rectangle and thumb from the window and its scroll information.
bool scrollBarGeometry(HWND hwnd, int bar, ScrollBarGeometry& geometry) noexcept;
// Arrows and thumb for a bar of `length` with the given information: the
// system's proportions (thumb as long as the page's share of the track, at
// least 8 pixels; without a page as long as an arrow; none when the bar is
// disabled or there is no room).
void layoutScrollBar(ScrollBarGeometry& geometry, const SCROLLINFO& info, bool enabled) noexcept;
ScrollPart scrollPartAt(const ScrollBarGeometry& geometry, POINT point) noexcept;
// The scroll position whose thumb starts `thumbStart` pixels from the bar's start.
int scrollValueAt(const ScrollBarGeometry& geometry, const SCROLLINFO& info, int thumbStart) noexcept;
// While the thumb is dragged it is drawn where the pointer holds it, not at
// the scroll position; a negative start ends that.
void setDraggedThumb(HWND hwnd, int bar, int thumbStart) noexcept;
// While the system's own tracking drags the thumb, the thumb is drawn at the
// position the system tracks (SIF_TRACKPOS); 0 ends that.
void setThumbTrackedBySystem(HWND hwnd, int bar) noexcept;
// The look of the bar as the system's flags and the window's state say.
ScrollBarLook scrollBarLook(HWND hwnd, int bar) noexcept;

// Draws one bar at geometry.rect on `dc`.
void drawScrollBar(HDC dc, const ScrollBarGeometry& geometry, const ScrollBarLook& look) noexcept;
// The box where two frame bars meet, at `box` on `dc`: the track's colour,
// with the skin's size grip when `grip`.
void drawScrollCorner(HDC dc, const RECT& box, bool grip, int dpi) noexcept;
// True when the system would show a size grip in the box of the window's
// frame bars: a drag there could size a window, that is the window itself,
// or the first one above it reached through child windows without a caption,
// has a sizing border, is neither maximized nor minimized, and the window
// holding the bars ends within an edge of that window's client area's
// bottom-right corner. Bars on the left put the box away from that corner.
bool showsSizeGrip(HWND hwnd) noexcept;
// Draws every skinned bar of the window, and the box where two meet, on its
// whole-window context (client context for a "ScrollBar" window); dc 0 gets one.
void paintScrollBars(HWND hwnd, HDC dc = nullptr) noexcept;
// Draws the window's bars when `force`, or when their scroll information
// or disabled arrows changed since they were last drawn (the system may have
// drawn its own meanwhile); never while the style bits are off, except when
// forced while the system tracks the thumb.
void refreshScrollBars(HWND hwnd, bool force, HDC dc = nullptr) noexcept;
// A checksum of the bar's scroll information; 0 when it has none.
DWORD scrollInfoChecksum(HWND hwnd, int bar) noexcept;
// Leaves the skinned frame bars and their corner box out of what `windowDc`
// draws on from now on.
void excludeScrollBars(HWND hwnd, HDC windowDc) noexcept;
// The frame region without the skinned bars and their corner box, in screen
// coordinates, for the system to paint the rest of the frame; 0 if the window
// has none. `update` is WM_NCPAINT's region (1: all).
HRGN frameRegionWithoutBars(HWND hwnd, HRGN update) noexcept;

} // namespace skin
