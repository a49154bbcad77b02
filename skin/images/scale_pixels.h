// Scaling a 96-DPI image to another DPI, before any pixel is set.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace skin {

// The lines (columns or rows) between the parts of an image that must not
// blend into each other when scaled.
using Cuts = std::initializer_list<int>;

struct ScaledPixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF at(int x, int y) const noexcept { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Scales the width x height image, row-major, to `dpi`. The image is cut into
// parts along the given lines; each part is scaled on its own into the
// rectangle between the scaled lines (scaleToDpi). Within a part, a whole
// factor repeats every pixel; any other factor averages the source area each
// new pixel covers, where a pixel mostly made of the key colour stays key and
// otherwise averages only the pixels that are not, so no key colour bleeds
// into a shape's edge. At 96 DPI the image is copied as it is.
ScaledPixels scalePixels(const COLORREF* source, int width, int height, Cuts across, Cuts down, int dpi);

} // namespace skin
