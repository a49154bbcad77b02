#include "skin/images/scratch.h"

#include "skin/images/gdi.h"
#include "skin/images/surface.h"

#include <algorithm>
#include <new>

namespace skin {

namespace {

struct Scratch {
    Surface surface;
    int width = 0;
    int height = 0;
};

struct ScratchSet {
    Scratch scratch[static_cast<int>(ScratchUse::count)];
    UniquePalette halftone;
};

// Each thread draws on its own: an object selected into one thread's context
// cannot be selected into another's at the same time. Made on the first use
// and held through a plain thread-local pointer, as thread-local storage
// holds plain values only.
thread_local ScratchSet* t_scratch = nullptr;

ScratchSet* scratchSet() noexcept
{
    if (!t_scratch)
        t_scratch = new (std::nothrow) ScratchSet;
    return t_scratch;
}

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
    ScratchSet* set = width > 0 && height > 0 && use != ScratchUse::count ? scratchSet() : nullptr;
    if (!set)
        return nullptr;
    Scratch& scratch = set->scratch[static_cast<int>(use)];
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
    ScratchSet* set = scratchSet();
    if (set && !set->halftone) {
        const ClientDc display(nullptr);
        set->halftone.reset(CreateHalftonePalette(display.get()));
    }
    return set ? set->halftone.get() : nullptr;
}

void releaseScratchSurfaces() noexcept
{
    delete t_scratch;
    t_scratch = nullptr;
}

bool scratchSurfacesHeld() noexcept
{
    return t_scratch && (t_scratch->halftone || std::ranges::any_of(t_scratch->scratch, [](const Scratch& s) {
                             return static_cast<bool>(s.surface);
                         }));
}

} // namespace skin
