// Off-screen surfaces and nine-slice drawing, read back from real contexts.
#include "image_expect.h"
#include "skin/images/surface.h"

#include <set>

using namespace qmtest;

namespace {

constexpr COLORREF kKey = 0x00FF00FF;

HGDIOBJ stockBitmap()
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ stock = GetCurrentObject(dc, OBJ_BITMAP);
    DeleteDC(dc);
    return stock;
}

TEST(Surface, HoldsADisplayFormatBitmapAndReleasesBoth)
{
    skin::Surface surface = skin::createMemorySurface(5, 4);
    ASSERT_TRUE(surface);
    HDC dc = surface.dc();
    HBITMAP bitmap = surface.bitmap();
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap);
    BITMAP bm{};
    ASSERT_TRUE(GetObjectW(bitmap, sizeof bm, &bm));
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(bm.bmBitsPixel, GetDeviceCaps(screen, BITSPIXEL));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmHeight, 4);

    surface.reset();
    EXPECT_FALSE(surface);
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(GetObjectType(stockBitmap()), static_cast<DWORD>(OBJ_BITMAP)); // the system's bitmap survives
}

TEST(Surface, EmptySizesGiveNoSurface)
{
    for (auto [w, h] : {std::pair{0, 4}, std::pair{4, 0}, std::pair{-3, 4}})
        EXPECT_FALSE(skin::createMemorySurface(w, h)) << w << "x" << h;
}

TEST(Surface, MovingHandsOverOwnership)
{
    skin::Surface a = skin::createMemorySurface(3, 3);
    HDC dc = a.dc();
    skin::Surface b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.dc(), dc);

    skin::Surface c = skin::createMemorySurface(2, 2);
    HDC replaced = c.dc();
    HBITMAP replacedBitmap = c.bitmap();
    c = std::move(b);
    EXPECT_EQ(c.dc(), dc);
    EXPECT_EQ(GetObjectType(replaced), 0u);
    EXPECT_EQ(GetObjectType(replacedBitmap), 0u);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
}

using DrawImagePart = SkinImageTest;

void expectBlock(const Dib& dest, int dx, int dy, const Dib& src, int sx, int sy, int w, int h, const char* what)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(hex(dest.pixel(dx + x, dy + y)), hex(src.pixel(sx + x, sy + y)))
                << what << " at " << x << "," << y;
}

// Pixels outside (x, y, w, h) that no longer hold the sentinel.
int touchedOutside(const Dib& dib, int x, int y, int w, int h)
{
    int n = 0;
    for (int py = 0; py < dib.height(); ++py)
        for (int px = 0; px < dib.width(); ++px)
            if ((px < x || py < y || px >= x + w || py >= y + h) && dib.pixel(px, py) != kSentinel)
                ++n;
    return n;
}

TEST_F(DrawImagePart, ButtonTileOntoAWideDestination)
{
    const Dib tile = readImage(skin::buttonFaceImage(), 7, 21);
    Dib dest(83, 33);
    EXPECT_NE(skin::drawImagePart(dest.dc(), 4, 5, 75, 23, skin::buttonFaceImage(), 0, 0, 7, 21, 3, 3, 3, 3), 0);
    EXPECT_EQ(touchedOutside(dest, 4, 5, 75, 23), 0);
    expectBlock(dest, 4, 5, tile, 0, 0, 3, 3, "top-left");
    expectBlock(dest, 4 + 72, 5, tile, 4, 0, 3, 3, "top-right");
    expectBlock(dest, 4, 5 + 20, tile, 0, 18, 3, 3, "bottom-left");
    expectBlock(dest, 4 + 72, 5 + 20, tile, 4, 18, 3, 3, "bottom-right");

    // Rows 3..19 of the middle band repeat source rows 3..17 of column 3 in
    // order, each source row at least once.
    int source = 3;
    for (int y = 3; y <= 19; ++y) {
        while (source <= 17 && dest.pixel(4 + 3, 5 + y) != tile.pixel(3, source))
            ++source;
        ASSERT_LE(source, 17) << "row " << y << " is no later source row";
        for (int x = 3; x <= 71; ++x)
            ASSERT_EQ(hex(dest.pixel(4 + x, 5 + y)), hex(tile.pixel(3, source))) << x << "," << y;
    }
    EXPECT_EQ(source, 17);
    EXPECT_EQ(dest.pixel(4 + 3, 5 + 3), tile.pixel(3, 3));
}

TEST_F(DrawImagePart, ThreePixelSliceWithMarginsOne)
{
    const Dib slice = readImage(skin::headerItemImage(), 9, 20);
    Dib dest(40, 20);
    skin::drawImagePart(dest.dc(), 0, 0, 40, 20, skin::headerItemImage(), 3, 0, 3, 20, 1, 1, 1, 1);
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(dest.pixel(0, y), slice.pixel(3, y)) << "row " << y;
        EXPECT_EQ(dest.pixel(39, y), slice.pixel(5, y)) << "row " << y;
        for (int x = 1; x <= 38; ++x)
            ASSERT_EQ(hex(dest.pixel(x, y)), hex(slice.pixel(4, y))) << x << "," << y;
    }
}

TEST_F(DrawImagePart, ZeroSizesDrawNothingAndReturnZero)
{
    struct { int W, H, w, h; } cases[] = {{0, 10, 7, 21}, {10, 0, 7, 21}, {10, 10, 0, 21}, {10, 10, 7, 0}};
    for (auto c : cases)
        for (bool transparent : {false, true}) {
            Dib dest(12, 12);
            const auto colour = transparent ? std::optional<COLORREF>(kKey) : std::nullopt;
            EXPECT_EQ(skin::drawImagePart(dest.dc(), 1, 1, c.W, c.H, skin::buttonFaceImage(), 0, 0, c.w, c.h,
                                          3, 3, 3, 3, colour), 0);
            EXPECT_EQ(dest.countNot(kSentinel), 0);
        }
}

TEST_F(DrawImagePart, NoMarginsIsOneStretch)
{
    struct { int W, H; } sizes[] = {{30, 50}, {5, 9}, {7, 21}};
    for (auto s : sizes)
        for (int margin : {0, -2}) { // negative margins count as none
            Dib expected(s.W, s.H), actual(s.W, s.H);
            StretchBlt(expected.dc(), 0, 0, s.W, s.H, skin::buttonFaceImage(), 0, 21, 7, 21, SRCCOPY);
            skin::drawImagePart(actual.dc(), 0, 0, s.W, s.H, skin::buttonFaceImage(), 0, 21, 7, 21,
                                margin, margin, margin, margin);
            expectBlock(actual, 0, 0, expected, 0, 0, s.W, s.H, "stretch");
        }
}

TEST_F(DrawImagePart, EqualSizesCopyExactlyForAnyFittingMargins)
{
    const Dib image = readImage(skin::buttonFaceImage(), 7, 84);
    struct { int l, t, r, b; } margins[] = {{0, 0, 0, 0}, {3, 3, 3, 3}, {1, 2, 3, 4}, {3, 10, 4, 11}, {7, 0, 0, 21}, {0, 5, 2, 0}};
    for (auto m : margins) {
        Dib dest(7, 21);
        skin::drawImagePart(dest.dc(), 0, 0, 7, 21, skin::buttonFaceImage(), 0, 42, 7, 21, m.l, m.t, m.r, m.b);
        expectBlock(dest, 0, 0, image, 0, 42, 7, 21, "copy");
    }
}

TEST_F(DrawImagePart, TransparentColourLeavesTheDestinationWhereThePictureHasIt)
{
    Dib opaque(24, 24), transparent(24, 24);
    skin::drawImagePart(opaque.dc(), 2, 2, 20, 20, skin::optionBubbleImage(), 0, 13, 13, 13, 5, 5, 5, 5);
    EXPECT_EQ(skin::drawImagePart(transparent.dc(), 2, 2, 20, 20, skin::optionBubbleImage(), 0, 13, 13, 13,
                                  5, 5, 5, 5, kKey), 1);
    int keyed = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const COLORREF o = opaque.pixel(x, y);
            keyed += o == kKey;
            EXPECT_EQ(transparent.pixel(x, y), o == kKey ? kSentinel : o) << x << "," << y;
        }
    EXPECT_EQ(keyed, 24); // the corners, copied 1:1
}

// Destinations smaller than their margins: the margins shrink in proportion
// until they fit, so the picture keeps its outer rows and columns, everything
// drawn comes from the source, and nothing outside the destination changes.
TEST_F(DrawImagePart, SmallDestinationsShrinkTheMargins)
{
    const Dib tile = readImage(skin::buttonFaceImage(), 7, 21);
    std::set<COLORREF> tileColours;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 7; ++x)
            tileColours.insert(tile.pixel(x, y));
    struct { int W, H; } sizes[] = {{75, 4}, {4, 23}, {1, 1}, {5, 5}, {2, 40}, {6, 6}};
    for (auto s : sizes) {
        Dib dest(s.W + 6, s.H + 6);
        skin::drawImagePart(dest.dc(), 3, 3, s.W, s.H, skin::buttonFaceImage(), 0, 0, 7, 21, 3, 3, 3, 3);
        EXPECT_EQ(touchedOutside(dest, 3, 3, s.W, s.H), 0) << s.W << "x" << s.H;
        for (int y = 0; y < s.H; ++y)
            for (int x = 0; x < s.W; ++x)
                EXPECT_TRUE(tileColours.count(dest.pixel(3 + x, 3 + y))) << s.W << "x" << s.H << " at " << x << "," << y;
    }
    // 75 x 4: margins top 2 and bottom 2 keep the tile's two top and two bottom rows.
    Dib dest(75, 4);
    skin::drawImagePart(dest.dc(), 0, 0, 75, 4, skin::buttonFaceImage(), 0, 0, 7, 21, 3, 3, 3, 3);
    expectBlock(dest, 0, 0, tile, 0, 0, 3, 2, "top-left");
    expectBlock(dest, 72, 2, tile, 4, 19, 3, 2, "bottom-right");

    // Margins wider than a 3-pixel source still leave one source column for the middle.
    const Dib header = readImage(skin::headerItemImage(), 9, 20);
    Dib wide(40, 20);
    skin::drawImagePart(wide.dc(), 0, 0, 40, 20, skin::headerItemImage(), 0, 0, 3, 20, 2, 2, 2, 2);
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(wide.pixel(0, y), header.pixel(0, y));
        EXPECT_EQ(wide.pixel(20, y), header.pixel(1, y));
        EXPECT_EQ(wide.pixel(39, y), header.pixel(2, y));
    }
}

} // namespace
