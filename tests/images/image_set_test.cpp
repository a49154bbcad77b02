// The image set as a whole: its surfaces, rebuilding, releasing, and a picture
// of all five images for a person to look at.
#include "image_expect.h"
#include "support/gdi_count.h"

#include <array>
#include <functional>

using namespace qmtest;

namespace {

struct ImageInfo {
    const char* name;
    HDC (*dc)() noexcept;
    int width;
    int height;
};

const ImageInfo kImages[5] = {
    {"buttonFace", skin::buttonFaceImage, 7, 84},
    {"comboButton", skin::comboButtonImage, 15, 18},
    {"markGlyph", skin::markGlyphImage, 18, 24},
    {"optionBubble", skin::optionBubbleImage, 13, 52},
    {"headerItem", skin::headerItemImage, 9, 20},
};

bool samePixels(const Dib& a, const Dib& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

TEST(ImageSet, SurfacesHoldDisplayFormatBitmapsOfTheListedSizes)
{
    skin::buildSkinImages();
    HDC screen = GetDC(nullptr);
    const int displayBits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    for (const ImageInfo& image : kImages) {
        HDC dc = image.dc();
        ASSERT_NE(dc, nullptr) << image.name;
        EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC)) << image.name;
        BITMAP bm{};
        ASSERT_TRUE(GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm)) << image.name;
        EXPECT_EQ(bm.bmWidth, image.width) << image.name;
        EXPECT_EQ(bm.bmHeight, image.height) << image.name;
        EXPECT_EQ(bm.bmBitsPixel, displayBits) << image.name;
    }
    skin::releaseSkinImages();
}

TEST(ImageSet, ReleaseFreesEverythingAndASecondBuildGivesTheSamePixels)
{
    skin::buildSkinImages();
    std::vector<Dib> first;
    std::vector<HGDIOBJ> handles;
    for (const ImageInfo& image : kImages) {
        first.push_back(readImage(image.dc(), image.width, image.height));
        handles.push_back(image.dc());
        handles.push_back(GetCurrentObject(image.dc(), OBJ_BITMAP));
    }
    skin::releaseSkinImages();
    for (const ImageInfo& image : kImages)
        EXPECT_EQ(image.dc(), nullptr) << image.name;
    for (HGDIOBJ h : handles)
        EXPECT_EQ(GetObjectType(h), 0u);

    skin::buildSkinImages();
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_TRUE(samePixels(first[i], readImage(kImages[i].dc(), kImages[i].width, kImages[i].height)))
            << kImages[i].name;

    // Building over a built set replaces it and frees the old one.
    HDC old = skin::buttonFaceImage();
    HGDIOBJ oldBitmap = GetCurrentObject(old, OBJ_BITMAP);
    skin::buildSkinImages();
    EXPECT_EQ(GetObjectType(old), 0u);
    EXPECT_EQ(GetObjectType(oldBitmap), 0u);
    EXPECT_TRUE(samePixels(first[0], readImage(skin::buttonFaceImage(), 7, 84)));
    skin::releaseSkinImages();
    skin::releaseSkinImages(); // a second release is harmless
}

TEST(ImageSet, BuildAndReleaseLeaveNoGdiObjects)
{
    skin::buildSkinImages();
    skin::releaseSkinImages();
    const int before = liveGdiObjects();
    for (int i = 0; i < 100; ++i) {
        skin::buildSkinImages();
        skin::releaseSkinImages();
    }
    EXPECT_EQ(liveGdiObjects(), before);
}

TEST(ImageSet, PictureOfTheFiveImages)
{
    skin::buildSkinImages();
    constexpr COLORREF kBackdrop = 0x00808080;
    constexpr int kGap = 2;
    int width = kGap;
    for (const ImageInfo& image : kImages)
        width += image.width + kGap;
    Dib sheet(width, 84 + 2 * kGap, kBackdrop);
    int x = kGap;
    for (const ImageInfo& image : kImages) {
        BitBlt(sheet.dc(), x, kGap, image.width, image.height, image.dc(), 0, 0, SRCCOPY);
        x += image.width + kGap;
    }
    skin::releaseSkinImages();
    EXPECT_FALSE(savePng(sheet, L"skin_images", 8).empty());
}

} // namespace
