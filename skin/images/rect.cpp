#include "skin/images/rect.h"

#include "skin/images/gdi.h"

#include <climits>

namespace skin {

namespace {

// Position plus size can pass the end of the int range for absurd sizes;
// saturate instead of overflowing.
LONG saturatedEnd(int start, int size) noexcept
{
    const long long end = static_cast<long long>(start) + size;
    return static_cast<LONG>(end > INT_MAX ? INT_MAX : end < INT_MIN ? INT_MIN : end);
}

RECT toRect(int x, int y, int width, int height) noexcept
{
    return RECT{x, y, saturatedEnd(x, width), saturatedEnd(y, height)};
}

} // namespace

int fillSolidRect(HDC dc, int x, int y, int width, int height, COLORREF colour) noexcept
{
    const RECT rect = toRect(x, y, width, height);
    const UniqueBrush brush(CreateSolidBrush(colour));
    return FillRect(dc, &rect, brush.get());
}

int frameSolidRect(HDC dc, int x, int y, int width, int height, COLORREF colour) noexcept
{
    const RECT rect = toRect(x, y, width, height);
    const UniqueBrush brush(CreateSolidBrush(colour));
    return FrameRect(dc, &rect, brush.get());
}

int getWindowBounds(HWND hwnd, WindowBounds& bounds) noexcept
{
    RECT rect{};
    const BOOL ok = GetWindowRect(hwnd, &rect);
    if (!ok)
        rect = RECT{};
    bounds = WindowBounds{rect.left, rect.top, rect.right, rect.bottom,
                          rect.right - rect.left, rect.bottom - rect.top};
    return ok;
}

bool hasNonClientArea(HWND hwnd) noexcept
{
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

POINT clientOrigin(HWND hwnd) noexcept
{
    POINT corner{};
    RECT window{};
    ClientToScreen(hwnd, &corner);
    GetWindowRect(hwnd, &window);
    return {windowLayout(hwnd) ? window.right - corner.x : corner.x - window.left, corner.y - window.top};
}

DWORD windowLayout(HWND hwnd) noexcept
{
    return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) ? LAYOUT_RTL : 0;
}

} // namespace skin
