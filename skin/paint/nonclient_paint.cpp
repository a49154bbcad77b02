#include "skin/paint/nonclient_paint.h"

#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/paint/progress_bar.h"
#include "skin/paint/rounding.h"
#include "skin/paint/scroll_bar.h"

namespace skin {

namespace {

// Replaces the sunken client edge with a flat frame: the outer line in the
// skin colour, the lines inside it in the client area's background colour.
// The skinned scroll bars are left out of what `window` draws on from now on.
void paintFlatBorder(HWND hwnd, HDC window) noexcept
{
    int bx = 0;
    int by = 0;
    measureBorderThickness(hwnd, bx, by);
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    ClientDc client(hwnd);
    excludeScrollBars(hwnd, window);
    frameSolidRect(window, 0, 0, bounds.width, bounds.height,
                   IsWindowEnabled(hwnd) ? kSkinFrameColour : kDisabledFrameColour);
    // The inner lines all end on the column and row just inside the outer
    // frame; only their left and top sides step inwards.
    for (int d = 1; d <= bx; ++d)
        frameSolidRect(window, d, d, bounds.width - 1 - d, bounds.height - 1 - d, GetBkColor(client.get()));
}

// A common progress bar gives itself a static edge; it is flattened too.
bool hasFlatBorder(HWND hwnd, const std::wstring& name) noexcept
{
    const LONG_PTR edges = kindOf(name) == ControlKind::commonProgress ? WS_EX_CLIENTEDGE | WS_EX_STATICEDGE
                                                                        : WS_EX_CLIENTEDGE;
    return !isDataList(name) && (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & edges);
}

// The skin's parts of the frame, as WM_NCPAINT draws them, onto `dc`.
void printFrame(HWND hwnd, HDC dc) noexcept
{
    const std::wstring name = lowerClassName(hwnd);
    if (isProgressBar(name)) {
        paintProgressWindow(hwnd, dc);
        return;
    }
    if (!isScrollBarWindow(hwnd))
        paintScrollBars(hwnd, dc);
    if (hasFlatBorder(hwnd, name))
        paintFlatBorder(hwnd, dc);
}

} // namespace

int measureBorderThickness(HWND hwnd, int& bx, int& by) noexcept
{
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    int dx = (window.right - window.left) - (client.right - client.left);
    int dy = (window.bottom - window.top) - (client.bottom - client.top);
    const LONG_PTR style = scrollStyleOf(hwnd);
    if (style & WS_VSCROLL)
        dx -= GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        dy -= GetSystemMetrics(SM_CYHSCROLL);
    bx = roundHalfEven(dx / 2.0);
    by = roundHalfEven(dy / 2.0);
    return 1;
}

LRESULT onNcPaint(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const std::wstring name = lowerClassName(hwnd);
    if (isProgressBar(name)) {
        paintProgressWindow(hwnd);
        return 0;
    }
    // The system paints the rest of the frame, never the skin's scroll bars.
    const UniqueRegion rest(frameRegionWithoutBars(hwnd, reinterpret_cast<HRGN>(wParam)));
    const LRESULT result = forward(savedProc, hwnd, msg, rest ? reinterpret_cast<WPARAM>(rest.get()) : wParam, lParam);
    const bool border = hasFlatBorder(hwnd, name);
    if (!border && !rest)
        return result;
    // One context for both: the bars first, then the border around them.
    const WindowDc window(hwnd);
    if (rest)
        refreshScrollBars(hwnd, true, window.get());
    if (border)
        paintFlatBorder(hwnd, window.get());
    return result;
}

LRESULT onPrint(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const auto dc = reinterpret_cast<HDC>(wParam);
    if (!dc || !(lParam & PRF_NONCLIENT) || ((lParam & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) || !hasNonClientArea(hwnd))
        return forward(savedProc, hwnd, msg, wParam, lParam);
    // The system's frame first (Wine prints none), the skin's parts over it.
    forward(savedProc, hwnd, msg, wParam, PRF_NONCLIENT);
    {
        const SavedDc saved(dc);
        printFrame(hwnd, dc);
    }
    // The client area's own print may run past its edge onto the frame.
    const SavedDc saved(dc);
    const POINT origin = clientOrigin(hwnd);
    RECT client{};
    GetClientRect(hwnd, &client);
    OffsetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    return forward(savedProc, hwnd, msg, wParam, lParam & ~PRF_NONCLIENT);
}

} // namespace skin
