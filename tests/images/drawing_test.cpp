// The drawing functions against real contexts: solid rectangles, window
// bounds, the transparent blit and nine-slice drawing.
#include "image_expect.h"
#include "skin/images/rect.h"
#include "skin/images/surface.h"
#include "skin/images/transparent.h"

#include <array>
#include <set>
#include <tuple>

using namespace qmtest;

namespace {

constexpr COLORREF kRed = 0x000000FF;

TEST(RectHelpers, FillAndFrameColourExactlyTheirPixelsAndNothingForZeroSizes)
{
    const struct {
        int (*draw)(HDC, int, int, int, int, COLORREF) noexcept;
        int at, size, count;
        bool (*inside)(int x, int y);
    } rows[] = {{skin::fillSolidRect, 1, 11, 121, [](int x, int y) { return x >= 1 && x <= 11 && y >= 1 && y <= 11; }},
                {skin::frameSolidRect, 0, 13, 48, [](int x, int y) { return x < 13 && y < 13 && (x % 12 == 0 || y % 12 == 0); }}};
    for (const auto& row : rows) {
        Dib dib(15, 15), empty(8, 8);
        EXPECT_NE(row.draw(dib.dc(), row.at, row.at, row.size, row.size, kRed), 0);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 15; ++x)
                EXPECT_EQ(dib.pixel(x, y), row.inside(x, y) ? kRed : kSentinel) << x << "," << y;
        EXPECT_EQ(dib.countNot(kSentinel), row.count); // right and bottom exclusive
        for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{0, 0}})
            row.draw(empty.dc(), 1, 1, w, h, kRed);
        EXPECT_EQ(empty.countNot(kSentinel), 0);
    }
}

TEST(GetWindowBounds, GivesTheOuterRectangleOrSixZerosForAnInvalidWindow)
{
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_BORDER, 10, 20, 75, 23, nullptr, nullptr, nullptr, nullptr);
    skin::WindowBounds b;
    const auto all = [&b] { return std::vector{b.left, b.top, b.right, b.bottom, b.width, b.height}; };
    for (auto [x, y] : {std::pair{10, 20}, std::pair{-30, 300}, std::pair{500, -7}}) {
        SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_NE(skin::getWindowBounds(hwnd, b), 0);
        EXPECT_EQ(all(), (std::vector{x, y, x + 75, y + 23, 75, 23}));
    }
    DestroyWindow(hwnd);
    for (HWND invalid : {hwnd, HWND(nullptr)}) {
        b = {1, 2, 3, 4, 5, 6};
        EXPECT_EQ(skin::getWindowBounds(invalid, b), 0);
        EXPECT_EQ(all(), std::vector(6, 0));
    }
}

using Drawing = SkinImageTest;

TEST_F(Drawing, DrawTransparentCopiesExactlyTheSourcePixelsThatAreNotKey)
{
    // Each row: the source cell, how many pixels change, and to what colour (0: whatever the source has).
    const struct { const char* what; HDC (*image)() noexcept; int sx, sy, w, h, changed; COLORREF to; } rows[] = {
        {"no key pixels: a plain copy", skin::buttonFaceImage, 0, 21, 7, 21, 7 * 21, 0},
        {"all key", skin::comboButtonImage, 8, 8, 7, 10, 0, 0},
        {"all key rows", skin::markGlyphImage, 0, 16, 12, 2, 0, 0},
        {"the arrow cell", skin::comboButtonImage, 8, 0, 7, 4, 16, 0x005F5519},
    };
    const auto pattern = [](int x, int y) { return RGB(10 * x, 10 * y, 77); }; // every pixel differs
    for (const auto& row : rows) {
        Dib dest(14, 26);
        for (int y = 0; y < 26; ++y)
            for (int x = 0; x < 14; ++x)
                dest.setPixel(x, y, pattern(x, y));
        const Dib src = readImage(row.image(), row.sx + row.w, row.sy + row.h);
        skin::drawTransparent(dest.dc(), 2, 3, row.w, row.h, row.image(), row.sx, row.sy, kKey);
        int changed = 0;
        for (int y = 0; y < 26; ++y)
            for (int x = 0; x < 14; ++x) {
                const bool inside = x >= 2 && y >= 3 && x < 2 + row.w && y < 3 + row.h;
                const COLORREF s = inside ? src.pixel(row.sx + x - 2, row.sy + y - 3) : kKey;
                changed += dest.pixel(x, y) != pattern(x, y);
                EXPECT_EQ(hex(dest.pixel(x, y)), hex(s == kKey ? pattern(x, y) : row.to ? row.to : s))
                    << row.what << " at " << x << "," << y;
            }
        EXPECT_EQ(changed, row.changed) << row.what;
    }
}

TEST(DrawTransparentKey, SystemColourReferenceMatchesThatColoursValue)
{
    const COLORREF window = GetSysColor(COLOR_WINDOW), other = window ^ 0x00404040;
    const COLORREF pixels[4] = {window, other, window, kKey}, expected[4] = {kSentinel, other, kSentinel, kKey};
    Dib src(4, 1), dest(4, 1);
    for (int x = 0; x < 4; ++x)
        src.setPixel(x, 0, pixels[x]);
    skin::drawTransparent(dest.dc(), 0, 0, 4, 1, src.dc(), 0, 0, COLOR_WINDOW | 0x80000000);
    for (int x = 0; x < 4; ++x) // magenta is only transparent as the key
        EXPECT_EQ(hex(dest.pixel(x, 0)), hex(expected[x])) << x;
}

void expectBlock(const Dib& dest, int dx, int dy, const Dib& src, int sx, int sy, int w, int h, const char* what)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(hex(dest.pixel(dx + x, dy + y)), hex(src.pixel(sx + x, sy + y))) << what << " at " << x << "," << y;
}

TEST_F(Drawing, NineSliceButtonTileOntoAWideDestination)
{
    const Dib tile = readImage(skin::buttonFaceImage(), 7, 21);
    Dib dest(83, 33);
    EXPECT_NE(skin::drawImagePart(dest.dc(), 4, 5, 75, 23, skin::buttonFaceImage(), 0, 0, 7, 21, 3, 3, 3, 3), 0);
    EXPECT_EQ(dest.countNot(kSentinel), 75 * 23); // the corners and bands below cover it all, nothing outside
    for (auto [dx, dy, sx, sy] : {std::array{0, 0, 0, 0}, {72, 0, 4, 0}, {0, 20, 0, 18}, {72, 20, 4, 18}})
        expectBlock(dest, 4 + dx, 5 + dy, tile, sx, sy, 3, 3, "corner");
    // Rows 3..19 of the middle band repeat source rows 3..17 of column 3 in order, each at least once.
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

TEST_F(Drawing, NineSliceFromThreePixelSlices)
{
    // Margins 1 keep the slice's outer columns; margins 2 shrink to 1, leaving its middle column for the middle.
    const Dib header = readImage(skin::headerItemImage(), 9, 20);
    for (auto [sx, margin] : {std::pair{3, 1}, std::pair{0, 2}}) {
        Dib dest(40, 20);
        skin::drawImagePart(dest.dc(), 0, 0, 40, 20, skin::headerItemImage(), sx, 0, 3, 20, margin, margin, margin, margin);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(hex(dest.pixel(x, y)), hex(header.pixel(sx + (x == 0 ? 0 : x == 39 ? 2 : 1), y))) << x << "," << y;
    }
}

TEST_F(Drawing, NineSliceWithoutMarginsIsOneStretchAndEqualSizesCopyExactly)
{
    for (auto [W, H] : {std::pair{30, 50}, std::pair{5, 9}, std::pair{7, 21}})
        for (int margin : {0, -2}) { // negative margins count as none
            Dib expected(W, H), actual(W, H);
            StretchBlt(expected.dc(), 0, 0, W, H, skin::buttonFaceImage(), 0, 21, 7, 21, SRCCOPY);
            skin::drawImagePart(actual.dc(), 0, 0, W, H, skin::buttonFaceImage(), 0, 21, 7, 21, margin, margin, margin, margin);
            EXPECT_TRUE(samePixels(actual, expected)) << W << "x" << H << " margins " << margin;
        }
    const Dib image = readImage(skin::buttonFaceImage(), 7, 84);
    for (auto [l, t, r, b] : {std::array{0, 0, 0, 0}, {3, 3, 3, 3}, {1, 2, 3, 4}, {3, 10, 4, 11}, {7, 0, 0, 21}, {0, 5, 2, 0}}) {
        Dib dest(7, 21);
        skin::drawImagePart(dest.dc(), 0, 0, 7, 21, skin::buttonFaceImage(), 0, 42, 7, 21, l, t, r, b);
        expectBlock(dest, 0, 0, image, 0, 42, 7, 21, "copy");
    }
}

TEST_F(Drawing, NineSliceTransparentColourLeavesTheDestinationWhereThePictureHasIt)
{
    Dib opaque(24, 24), transparent(24, 24);
    skin::drawImagePart(opaque.dc(), 2, 2, 20, 20, skin::optionBubbleImage(), 0, 13, 13, 13, 5, 5, 5, 5);
    EXPECT_EQ(skin::drawImagePart(transparent.dc(), 2, 2, 20, 20, skin::optionBubbleImage(), 0, 13, 13, 13, 5, 5, 5, 5, kKey), 1);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            EXPECT_EQ(transparent.pixel(x, y), opaque.pixel(x, y) == kKey ? kSentinel : opaque.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(opaque.countNot(kKey), 24 * 24 - 24); // the corners' key pixels, copied 1:1
}

// Destinations smaller than their margins: the margins shrink in proportion
// until they fit, so the picture keeps its outer rows and columns, everything
// drawn comes from the source, and nothing outside the destination changes.
// Zero destination or source sizes draw nothing and return 0.
TEST_F(Drawing, NineSliceSmallOrEmptySizes)
{
    const Dib tile = readImage(skin::buttonFaceImage(), 7, 21);
    std::set<COLORREF> tileColours;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 7; ++x)
            tileColours.insert(tile.pixel(x, y));
    const std::tuple<int, int, int, int> sizes[] = {{75, 4, 7, 21}, {4, 23, 7, 21}, {1, 1, 7, 21}, {5, 5, 7, 21}, {2, 40, 7, 21},
                                                    {6, 6, 7, 21}, {0, 10, 7, 21}, {10, 0, 7, 21}, {10, 10, 0, 21}, {10, 10, 7, 0}};
    for (auto [W, H, w, h] : sizes)
        for (auto colour : {std::optional<COLORREF>(), std::optional<COLORREF>(kKey)}) {
            Dib dest(W + 6, H + 6);
            const int drawn = skin::drawImagePart(dest.dc(), 3, 3, W, H, skin::buttonFaceImage(), 0, 0, w, h, 3, 3, 3, 3, colour);
            const bool draws = W && H && w && h;
            EXPECT_EQ(drawn != 0, draws) << W << "x" << H << " from " << w << "x" << h;
            for (int y = 0; y < H + 6; ++y)
                for (int x = 0; x < W + 6; ++x) {
                    const bool inside = draws && x >= 3 && y >= 3 && x < W + 3 && y < H + 3;
                    EXPECT_TRUE(inside ? tileColours.count(dest.pixel(x, y)) : dest.pixel(x, y) == kSentinel)
                        << W << "x" << H << " from " << w << "x" << h << " at " << x << "," << y;
                }
            if (W == 75) { // margins 2 at top and bottom keep the tile's two top and two bottom rows
                expectBlock(dest, 3, 3, tile, 0, 0, 3, 2, "top-left");
                expectBlock(dest, 3 + 72, 3 + 2, tile, 4, 19, 3, 2, "bottom-right");
            }
        }
}

} // namespace
