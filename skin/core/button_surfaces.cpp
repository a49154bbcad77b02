#include "skin/core/button_surfaces.h"

#include "skin/core/engine.h"
#include "skin/core/properties.h"
#include "skin/images/dpi.h"
#include "skin/images/display_bitmap.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"

#include <algorithm>

namespace skin {

namespace {

// The one-pixel bitmap every new memory context starts with. Selecting it
// back frees a surface's own bitmap before the context is deleted.
HGDIOBJ stockBitmap() noexcept
{
    static const HGDIOBJ bitmap = [] {
        UniqueDc dc(CreateCompatibleDC(nullptr));
        return GetCurrentObject(dc.get(), OBJ_BITMAP);
    }();
    return bitmap;
}

struct SurfaceSize {
    int width;
    int height;
};

// A window of zero width or height still gets a one-pixel surface: a bitmap
// of no size would be the shared stock bitmap, which the button cannot own.
SurfaceSize surfaceSizeOf(HWND hwnd) noexcept
{
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    return {std::max(bounds.width, 1), std::max(bounds.height, 1)};
}

// The faces are drawn by the paint layer, which the router lent at start-up.
void drawFaces(HWND hwnd, const HDC (&surfaces)[4]) noexcept
{
    if (const auto draw = upperLayers().drawButtonFaces)
        draw(hwnd, surfaces);
}

} // namespace

void createButtonSurfaces(HWND hwnd) noexcept
{
    const SurfaceSize size = surfaceSizeOf(hwnd);
    HDC surfaces[4]{};
    for (int n = 0; n < 4; ++n) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = createDisplayBitmap(size.width, size.height);
        SelectObject(dc, bitmap);
        setProp(hwnd, prop::kSurfaceDc[n], reinterpret_cast<LONG_PTR>(dc));
        setProp(hwnd, prop::kSurfaceBitmap[n], reinterpret_cast<LONG_PTR>(bitmap));
        surfaces[n] = dc;
    }
    drawFaces(hwnd, surfaces);
}

void resizeButtonSurfaces(HWND hwnd) noexcept
{
    const SurfaceSize size = surfaceSizeOf(hwnd);
    HDC surfaces[4]{};
    for (int n = 0; n < 4; ++n) {
        HDC dc = surfaces[n] = stateSurface(hwnd, n);
        if (!dc)
            continue;
        HBITMAP bitmap = createDisplayBitmap(size.width, size.height);
        if (!bitmap)
            continue; // keep the old picture rather than none
        DeleteObject(SelectObject(dc, bitmap));
        setProp(hwnd, prop::kSurfaceBitmap[n], reinterpret_cast<LONG_PTR>(bitmap));
    }
    drawFaces(hwnd, surfaces);
}

void releaseButtonSurfaces(HWND hwnd) noexcept
{
    // Each handle is read as its property is removed.
    for (int n = 0; n < 4; ++n) {
        const auto dc = reinterpret_cast<HDC>(takeProp(hwnd, prop::kSurfaceDc[n]));
        const auto bitmap = reinterpret_cast<HBITMAP>(takeProp(hwnd, prop::kSurfaceBitmap[n]));
        if (dc) {
            SelectObject(dc, stockBitmap());
            DeleteDC(dc);
        }
        if (bitmap)
            DeleteObject(bitmap);
    }
}

void setRoundedRegion(HWND hwnd) noexcept
{
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    // The system owns the region once it is set. The corners round with the
    // DPI, like the faces drawn inside them.
    const int corner = scaleToDpi(3, windowDpi(hwnd));
    HRGN region = CreateRoundRectRgn(0, 0, bounds.width + 1, bounds.height + 1, corner, corner);
    if (region && !SetWindowRgn(hwnd, region, TRUE))
        DeleteObject(region);
}

} // namespace skin
