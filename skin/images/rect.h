// Plain rectangles: solid fills, one-pixel frames and a window's outer bounds.
// Rectangles are (x, y, width, height); right and bottom are exclusive.
#pragma once

#include <windows.h>

namespace skin {

// A window's outer rectangle in screen coordinates, with its size.
struct WindowBounds {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width = 0;
    int height = 0;
};

int fillSolidRect(HDC dc, int x, int y, int width, int height, COLORREF colour) noexcept;
int frameSolidRect(HDC dc, int x, int y, int width, int height, COLORREF colour) noexcept;

// Fills `bounds` from GetWindowRect; all six fields are 0 when that fails.
int getWindowBounds(HWND hwnd, WindowBounds& bounds) noexcept;
// True when the window has a frame, border or scroll bar outside its client
// area: only then does a frame paint or print draw anything.
bool hasNonClientArea(HWND hwnd) noexcept;
// Where the client area's top-left corner lies in window coordinates; a
// mirrored window counts them from its right edge.
POINT clientOrigin(HWND hwnd) noexcept;
// LAYOUT_RTL for a mirrored window (WS_EX_LAYOUTRTL), else 0: the layout of
// its contexts, which the skin's surfaces for it take too, so what they hold
// comes out unmirrored.
DWORD windowLayout(HWND hwnd) noexcept;

} // namespace skin
