// Scratch surfaces for compositions: kept and reused instead of one new
// surface per drawing, grown when a larger picture needs them, and released
// together when the engine gives its last window back. Each thread has its
// own; every function acts on the calling thread's.
#pragma once

#include <windows.h>

namespace skin {

// What a scratch surface is used for; each use has its own, so a drawing
// that uses two never gets the same one twice. A picture is drawn piece by
// piece (a scroll bar: track, arrows, thumb) and copied out once.
enum class ScratchUse { composition, work, copy, mask, picture, count };

// A memory context holding a bitmap of at least width x height pixels, in the
// display's format (the mask: one bit per pixel). Its previous contents are
// undefined; 0 when a size is not positive or the surface cannot be made.
HDC scratchSurface(ScratchUse use, int width, int height) noexcept;

// The halftone palette of the display, made once.
HPALETTE scratchHalftonePalette() noexcept;

void releaseScratchSurfaces() noexcept;
// True while any scratch surface or the palette is held.
bool scratchSurfacesHeld() noexcept;

} // namespace skin
