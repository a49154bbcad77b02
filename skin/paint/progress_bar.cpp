#include "skin/paint/progress_bar.h"

#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/paint/nonclient_paint.h"
#include "skin/paint/rounding.h"

#include <algorithm>
#include <optional>
#include <commctrl.h>

namespace skin {

namespace {

float progressFraction(HWND hwnd) noexcept
{
    const auto position = static_cast<int>(SendMessageW(hwnd, PBM_GETPOS, 0, 0));
    return static_cast<float>(position) / static_cast<float>(kProgressFullScale);
}

// The filled length along an axis of `length` pixels. A position outside the
// full scale fills all or nothing, and never spills out of the client area.
int filledLength(float fraction, int length) noexcept
{
    return std::clamp(roundHalfEven(static_cast<double>(fraction * static_cast<float>(length))), 0, length);
}

SIZE clientSize(HWND hwnd) noexcept
{
    RECT client{};
    GetClientRect(hwnd, &client);
    return {client.right - client.left, client.bottom - client.top};
}

bool isVertical(HWND hwnd) noexcept
{
    return (GetWindowLongPtrW(hwnd, GWL_STYLE) & PBS_VERTICAL) != 0;
}

} // namespace

void paintProgressClient(HWND hwnd, HDC target) noexcept
{
    const SIZE client = clientSize(hwnd);
    Surface surface = createMemorySurface(client.cx, client.cy);
    const float fraction = progressFraction(hwnd);
    fillSolidRect(surface.dc(), 0, 0, client.cx, client.cy, kWhite);
    if (fraction != 0.0f) {
        if (isVertical(hwnd)) {
            const int filled = filledLength(fraction, client.cy);
            fillSolidRect(surface.dc(), 0, client.cy - filled, client.cx, filled, kProgressColour);
        } else {
            fillSolidRect(surface.dc(), 0, 0, filledLength(fraction, client.cx), client.cy, kProgressColour);
        }
    }
    std::optional<PaintScope> paint;
    if (!target)
        target = paint.emplace(hwnd).dc();
    BitBlt(target, 0, 0, client.cx, client.cy, surface.dc(), 0, 0, SRCCOPY);
}

void paintProgressWindow(HWND hwnd, HDC target) noexcept
{
    int bx = 0;
    int by = 0;
    measureBorderThickness(hwnd, bx, by);
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    const SIZE client = clientSize(hwnd);
    Surface surface = createMemorySurface(bounds.width, bounds.height);
    HDC dc = surface.dc();
    const float fraction = progressFraction(hwnd);

    // The frame keeps the skin colour when the bar is disabled.
    fillSolidRect(dc, 0, 0, bounds.width, bounds.height, kSkinFrameColour);
    fillSolidRect(dc, 1, 1, bounds.width - 2, bounds.height - 2, kWhite);
    if (fraction != 0.0f) {
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        if (style & PBS_VERTICAL) {
            // A smooth bar shows its fill here; a segmented one waits for its
            // next client paint and shows white meanwhile.
            if (style & PBS_SMOOTH)
                fillSolidRect(dc, bx, by, client.cx, client.cy, kProgressColour);
            fillSolidRect(dc, bx, by, client.cx, client.cy - filledLength(fraction, client.cy), kWhite);
        } else {
            fillSolidRect(dc, bx, by, filledLength(fraction, client.cx), client.cy, kProgressColour);
        }
    }
    std::optional<WindowDc> own;
    if (!target)
        target = own.emplace(hwnd).get();
    BitBlt(target, 0, 0, bounds.width, bounds.height, dc, 0, 0, SRCCOPY);
}

} // namespace skin
