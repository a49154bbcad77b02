// The transparent blit against real contexts.
#include "image_expect.h"
#include "skin/images/transparent.h"

using namespace qmtest;

namespace {

using DrawTransparent = SkinImageTest;

constexpr COLORREF kKey = 0x00FF00FF;

// A destination whose every pixel is different, so a stray write shows.
Dib patterned(int w, int h)
{
    Dib dib(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            dib.setPixel(x, y, RGB(10 * x, 10 * y, 77));
    return dib;
}

int differing(const Dib& a, const Dib& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

TEST_F(DrawTransparent, WithoutKeyPixelsItIsAPlainCopy)
{
    Dib expected = patterned(12, 25), actual = patterned(12, 25);
    BitBlt(expected.dc(), 2, 3, 7, 21, skin::buttonFaceImage(), 0, 21, SRCCOPY);
    skin::drawTransparent(actual.dc(), 2, 3, 7, 21, skin::buttonFaceImage(), 0, 21, kKey);
    EXPECT_EQ(differing(expected, actual), 0);
}

TEST_F(DrawTransparent, AllKeyChangesNothing)
{
    const Dib before = patterned(12, 14);
    Dib after = patterned(12, 14);
    skin::drawTransparent(after.dc(), 1, 2, 7, 10, skin::comboButtonImage(), 8, 8, kKey);
    skin::drawTransparent(after.dc(), 0, 0, 12, 2, skin::markGlyphImage(), 0, 16, kKey);
    EXPECT_EQ(differing(before, after), 0);
}

TEST_F(DrawTransparent, ArrowCellChangesOnlyItsSixteenTrianglePixels)
{
    const Dib before = patterned(11, 8);
    Dib after = patterned(11, 8);
    skin::drawTransparent(after.dc(), 2, 3, 7, 4, skin::comboButtonImage(), 8, 0, kKey);
    EXPECT_EQ(differing(before, after), 16);
    for (int r = 0; r < 4; ++r)
        for (int c = r; c <= 6 - r; ++c)
            EXPECT_EQ(hex(after.pixel(2 + c, 3 + r)), hex(0x005F5519)) << c << "," << r;
}

TEST(DrawTransparentKey, SystemColourReferenceMatchesThatColoursValue)
{
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF other = window ^ 0x00404040;
    Dib src(4, 1);
    src.setPixel(0, 0, window);
    src.setPixel(1, 0, other);
    src.setPixel(2, 0, window);
    src.setPixel(3, 0, kKey);
    Dib dest(4, 1);
    skin::drawTransparent(dest.dc(), 0, 0, 4, 1, src.dc(), 0, 0, COLOR_WINDOW | 0x80000000);
    EXPECT_EQ(dest.pixel(0, 0), kSentinel);
    EXPECT_EQ(dest.pixel(1, 0), other);
    EXPECT_EQ(dest.pixel(2, 0), kSentinel);
    EXPECT_EQ(dest.pixel(3, 0), kKey); // magenta is only transparent when it is the key
}

TEST(DrawTransparentKey, OnlyTheLowTwentyFourBitsOfAPlainColourCount)
{
    Dib src(2, 1);
    src.setPixel(0, 0, 0x00102030);
    src.setPixel(1, 0, 0x00102031);
    Dib dest(2, 1);
    skin::drawTransparent(dest.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 0x00102030);
    EXPECT_EQ(dest.pixel(0, 0), kSentinel);
    EXPECT_EQ(dest.pixel(1, 0), 0x00102031u);
}

TEST(DrawTransparentKey, EmptyRectanglesAndMissingSourcesDrawNothing)
{
    Dib dest(4, 4);
    skin::drawTransparent(dest.dc(), 0, 0, 0, 4, dest.dc(), 0, 0, kKey);
    skin::drawTransparent(dest.dc(), 0, 0, 4, -1, dest.dc(), 0, 0, kKey);
    skin::drawTransparent(dest.dc(), 0, 0, 4, 4, nullptr, 0, 0, kKey);
    EXPECT_EQ(dest.countNot(kSentinel), 0);
}

} // namespace
