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
void drawFaces(HWND hwnd) noexcept
{
    if (const auto draw = upperLayers().drawButtonFaces)
        draw(hwnd);
}

// The thread's face context and the bitmap selected into it now: another
// button's is selected in its place only when a face of that one is wanted.
thread_local HDC t_faceDc = nullptr;
thread_local HBITMAP t_selected = nullptr;

// A bitmap is selected out before it is deleted.
void deleteFaces(HBITMAP faces) noexcept
{
    if (!faces)
        return;
    if (faces == t_selected) {
        SelectObject(t_faceDc, stockBitmap());
        t_selected = nullptr;
    }
    DeleteObject(faces);
}

} // namespace

void createButtonSurfaces(HWND hwnd) noexcept
{
    const SurfaceSize size = surfaceSizeOf(hwnd);
    if (HBITMAP faces = createDisplayBitmap(size.width, 4 * size.height)) {
        setProp(hwnd, prop::kFaces, reinterpret_cast<LONG_PTR>(faces));
        drawFaces(hwnd);
    }
}

void resizeButtonSurfaces(HWND hwnd) noexcept
{
    const SurfaceSize size = surfaceSizeOf(hwnd);
    HBITMAP faces = createDisplayBitmap(size.width, 4 * size.height);
    if (!faces || !getProp(hwnd, prop::kFaces)) {
        DeleteObject(faces); // keep the old picture rather than none
        return;
    }
    deleteFaces(reinterpret_cast<HBITMAP>(getProp(hwnd, prop::kFaces)));
    setProp(hwnd, prop::kFaces, reinterpret_cast<LONG_PTR>(faces));
    drawFaces(hwnd);
}

void releaseButtonSurfaces(HWND hwnd) noexcept
{
    deleteFaces(reinterpret_cast<HBITMAP>(takeProp(hwnd, prop::kFaces)));
}

HDC stateSurface(HWND hwnd, int n) noexcept
{
    const auto faces = reinterpret_cast<HBITMAP>(getProp(hwnd, prop::kFaces));
    BITMAP bitmap{};
    if (!faces || n < 0 || n > 3 || !GetObjectW(faces, sizeof bitmap, &bitmap))
        return nullptr;
    if (!t_faceDc && !(t_faceDc = CreateCompatibleDC(nullptr)))
        return nullptr;
    if (faces != t_selected && SelectObject(t_faceDc, faces))
        t_selected = faces;
    SetViewportOrgEx(t_faceDc, 0, n * (bitmap.bmHeight / 4), nullptr);
    return faces == t_selected ? t_faceDc : nullptr;
}

void releaseFaceContext() noexcept
{
    if (!t_faceDc)
        return;
    SelectObject(t_faceDc, stockBitmap());
    DeleteDC(t_faceDc);
    t_faceDc = nullptr;
    t_selected = nullptr;
}

void setRoundedRegion(HWND hwnd, bool redraw) noexcept
{
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    // The system owns the region once it is set. The corners round with the
    // DPI, like the faces drawn inside them.
    const int corner = scaleToDpi(3, windowDpi(hwnd));
    HRGN region = CreateRoundRectRgn(0, 0, bounds.width + 1, bounds.height + 1, corner, corner);
    if (region && !SetWindowRgn(hwnd, region, redraw))
        DeleteObject(region);
}

} // namespace skin
