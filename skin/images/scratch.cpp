#include "skin/images/scratch.h"

#include "skin/images/gdi.h"
#include "skin/images/surface.h"

#include <algorithm>

namespace skin {

namespace {

struct Scratch {
    Surface surface;
    int width = 0;
    int height = 0;
};

Scratch g_scratch[static_cast<int>(ScratchUse::count)];
UniquePalette g_halftone;

// A one-bit surface: the mask of a transparent blit.
Surface createMaskSurface(int width, int height) noexcept
{
    UniqueDc dc(CreateCompatibleDC(nullptr));
    UniqueBitmap bitmap(CreateBitmap(width, height, 1, 1, nullptr));
    if (!dc || !bitmap)
        return {};
    HGDIOBJ original = SelectObject(dc.get(), bitmap.get());
    if (!original || original == HGDI_ERROR)
        return {};
    return Surface(dc.release(), bitmap.release(), original);
}

} // namespace

HDC scratchSurface(ScratchUse use, int width, int height) noexcept
{
    if (width <= 0 || height <= 0 || use == ScratchUse::count)
        return nullptr;
    Scratch& scratch = g_scratch[static_cast<int>(use)];
    if (!scratch.surface || width > scratch.width || height > scratch.height) {
        // Grow to cover both the old and the new need, so sizes that
        // alternate do not make a new surface each time.
        const int w = std::max(width, scratch.width);
        const int h = std::max(height, scratch.height);
        scratch.surface.reset();
        scratch.surface = use == ScratchUse::mask ? createMaskSurface(w, h) : createMemorySurface(w, h);
        scratch.width = scratch.surface ? w : 0;
        scratch.height = scratch.surface ? h : 0;
    }
    return scratch.surface.dc();
}

HPALETTE scratchHalftonePalette() noexcept
{
    if (!g_halftone) {
        const ClientDc display(nullptr);
        g_halftone.reset(CreateHalftonePalette(display.get()));
    }
    return g_halftone.get();
}

void releaseScratchSurfaces() noexcept
{
    for (Scratch& scratch : g_scratch)
        scratch = {};
    g_halftone.reset();
}

bool scratchSurfacesHeld() noexcept
{
    return g_halftone || std::any_of(std::begin(g_scratch), std::end(g_scratch),
                                     [](const Scratch& s) { return static_cast<bool>(s.surface); });
}

} // namespace skin
