#include "skin/images/skin_images.h"

#include "skin/images/image_pixels.h"
#include "skin/images/surface.h"

namespace skin {

namespace {

// The engine-wide image set, in the order it is built and released.
struct ImageSet {
    Surface buttonFace;
    Surface comboButton;
    Surface markGlyph;
    Surface optionBubble;
    Surface headerItem;
};

ImageSet g_images;

// Sets every pixel once, row by row from the top, each row left to right. A
// surface that could not be made stays empty and its image draws nothing.
template <int W, int H>
void paintImage(const Surface& surface, const PixelGrid<W, H>& grid) noexcept
{
    if (!surface)
        return;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            SetPixel(surface.dc(), x, y, grid.at(x, y));
}

} // namespace

void buildSkinImages() noexcept
{
    releaseSkinImages();
    g_images.buttonFace = createMemorySurface(7, 84);
    g_images.comboButton = createMemorySurface(15, 18);
    g_images.markGlyph = createMemorySurface(18, 24);
    g_images.optionBubble = createMemorySurface(13, 52);
    g_images.headerItem = createMemorySurface(9, 20);
    paintImage(g_images.buttonFace, buttonFacePixels());
    paintImage(g_images.comboButton, comboButtonPixels());
    paintImage(g_images.markGlyph, markGlyphPixels());
    paintImage(g_images.optionBubble, optionBubblePixels());
    paintImage(g_images.headerItem, headerItemPixels());
}

void releaseSkinImages() noexcept
{
    g_images.buttonFace.reset();
    g_images.comboButton.reset();
    g_images.markGlyph.reset();
    g_images.optionBubble.reset();
    g_images.headerItem.reset();
}

HDC buttonFaceImage() noexcept { return g_images.buttonFace.dc(); }
HDC comboButtonImage() noexcept { return g_images.comboButton.dc(); }
HDC markGlyphImage() noexcept { return g_images.markGlyph.dc(); }
HDC optionBubbleImage() noexcept { return g_images.optionBubble.dc(); }
HDC headerItemImage() noexcept { return g_images.headerItem.dc(); }

} // namespace skin
