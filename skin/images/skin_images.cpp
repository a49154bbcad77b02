#include "skin/images/skin_images.h"

#include "skin/images/dpi.h"
#include "skin/images/image_pixels.h"
#include "skin/images/scale_pixels.h"
#include "skin/images/surface.h"

#include <memory>
#include <vector>

namespace skin {

namespace {

// One image set, in the order it is built and released.
struct ImageSet {
    int dpi = kBaseDpi;
    Surface buttonFace;
    Surface comboButton;
    Surface markGlyph;
    Surface optionBubble;
    Surface headerItem;
};

// The 96-DPI set first, then one for each other DPI a window was drawn at,
// built the first time it is asked for.
using ImageSets = std::vector<std::unique_ptr<ImageSet>>;

// Each thread draws from sets of its own: a memory context is used by one
// thread at a time, and the sets live only as long as the thread's engine.
// Held through a plain thread-local pointer, as thread-local storage holds
// plain values only.
thread_local ImageSets* t_sets = nullptr;

// Sets every pixel once, row by row from the top, each row left to right. A
// surface that could not be made stays empty and its image draws nothing.
void paintImage(const Surface& surface, const ScaledPixels& image) noexcept
{
    if (!surface)
        return;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            SetPixel(surface.dc(), x, y, image.at(x, y));
}

// Each image scales part by part along the lines between its tiles and
// glyphs, so no part blurs into its neighbour.
template <int W, int H>
Surface buildImage(const PixelGrid<W, H>& grid, Cuts across, Cuts down, int dpi)
{
    const ScaledPixels image = scalePixels(grid.pixels.data(), W, H, across, down, dpi);
    Surface surface = createMemorySurface(image.width, image.height);
    paintImage(surface, image);
    return surface;
}

std::unique_ptr<ImageSet> buildSet(int dpi)
{
    auto set = std::make_unique<ImageSet>();
    set->dpi = dpi;
    set->buttonFace = buildImage(buttonFacePixels(), {}, {21, 42, 63}, dpi);
    set->comboButton = buildImage(comboButtonPixels(), {4, 8}, {4, 8}, dpi);
    set->markGlyph = buildImage(markGlyphPixels(), {9}, {9, 18}, dpi);
    set->optionBubble = buildImage(optionBubblePixels(), {}, {13, 26, 39}, dpi);
    set->headerItem = buildImage(headerItemPixels(), {3, 6}, {}, dpi);
    return set;
}

const ImageSet* imagesAt(int dpi) noexcept
{
    // No set at all until the engine builds its own.
    if (!t_sets)
        return nullptr;
    if (dpi <= 0)
        dpi = kBaseDpi;
    for (const auto& set : *t_sets)
        if (set->dpi == dpi)
            return set.get();
    try {
        t_sets->push_back(buildSet(dpi));
        return t_sets->back().get();
    } catch (...) {
        return nullptr; // out of memory: nothing drawn at that DPI
    }
}

HDC dcOf(const ImageSet* set, Surface ImageSet::*image) noexcept
{
    return set ? (set->*image).dc() : nullptr;
}

} // namespace

void buildSkinImages() noexcept
{
    releaseSkinImages();
    try {
        auto sets = std::make_unique<ImageSets>();
        sets->push_back(buildSet(kBaseDpi));
        t_sets = sets.release();
    } catch (...) {
    }
}

void releaseSkinImages() noexcept
{
    if (!t_sets)
        return;
    for (auto& set : *t_sets) {
        set->buttonFace.reset();
        set->comboButton.reset();
        set->markGlyph.reset();
        set->optionBubble.reset();
        set->headerItem.reset();
    }
    delete t_sets;
    t_sets = nullptr;
}

HDC buttonFaceImageAt(int dpi) noexcept { return dcOf(imagesAt(dpi), &ImageSet::buttonFace); }
HDC comboButtonImageAt(int dpi) noexcept { return dcOf(imagesAt(dpi), &ImageSet::comboButton); }
HDC markGlyphImageAt(int dpi) noexcept { return dcOf(imagesAt(dpi), &ImageSet::markGlyph); }
HDC optionBubbleImageAt(int dpi) noexcept { return dcOf(imagesAt(dpi), &ImageSet::optionBubble); }
HDC headerItemImageAt(int dpi) noexcept { return dcOf(imagesAt(dpi), &ImageSet::headerItem); }

HDC buttonFaceImage() noexcept { return buttonFaceImageAt(kBaseDpi); }
HDC comboButtonImage() noexcept { return comboButtonImageAt(kBaseDpi); }
HDC markGlyphImage() noexcept { return markGlyphImageAt(kBaseDpi); }
HDC optionBubbleImage() noexcept { return optionBubbleImageAt(kBaseDpi); }
HDC headerItemImage() noexcept { return headerItemImageAt(kBaseDpi); }

} // namespace skin
