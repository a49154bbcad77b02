// The images with transparent surroundings read back pixel by pixel: the mark
// glyphs and the option bubble tiles.
#include "image_expect.h"

#include <set>
#include <utility>

using namespace qmtest;

namespace {

constexpr COLORREF kKey = 0x00FF00FF;
constexpr COLORREF kWhite = 0x00FFFFFF;

using MarkGlyphs = SkinImageTest;
using OptionBubbles = SkinImageTest;

// Expected mark glyph image: key colour, with each listed pixel set in the
// enabled half and 9 columns to the right in the disabled colour.
struct Expected {
    COLORREF pixels[24][18];
    Expected() { for (auto& row : pixels) for (COLORREF& p : row) p = kKey; }
    void set(int x0, int x1, int y, COLORREF enabled, COLORREF disabled)
    {
        for (int x = x0; x <= x1; ++x) {
            pixels[y][x] = enabled;
            pixels[y][x + 9] = disabled;
        }
    }
};

TEST_F(MarkGlyphs, EveryPixelIsAsListed)
{
    Expected e;
    // Check mark: row, spans, enabled / disabled colour.
    e.set(8, 8, 0, 0x001DB754, 0x008CDAA8);
    e.set(7, 8, 1, 0x001BB451, 0x008BD9A6);
    e.set(6, 8, 2, 0x0017AF4D, 0x0089D6A4);
    e.set(0, 1, 3, 0x0013A948, 0x0087D3A2);
    e.set(5, 7, 3, 0x0013A948, 0x0087D3A2);
    e.set(0, 2, 4, 0x000FA243, 0x0085D09F);
    e.set(4, 6, 4, 0x000FA243, 0x0085D09F);
    e.set(1, 5, 5, 0x000A9C3E, 0x0082CD9D);
    e.set(2, 4, 6, 0x00069639, 0x0080C99A);
    e.set(3, 3, 7, 0x00029135, 0x007EC798);
    // Indeterminate square, rows 9..15, x 1..7.
    const auto enabled = coloursIn("0x001BB451, 0x0018B04E, 0x0014AB49, 0x0010A445, 0x000C9E40, 0x0007983B, 0x00069639");
    const auto disabled = coloursIn("0x008BD9A6, 0x0089D6A4, 0x0087D4A3, 0x0086D1A0, 0x0083CE9E, 0x0081CA9B, 0x0080C99A");
    for (int i = 0; i < 7; ++i)
        e.set(1, 7, 9 + i, enabled[i], disabled[i]);
    // Option dot, rows 18..22: the listed colours from its first column on.
    const struct { int row, x; const char* enabled; const char* disabled; } dot[] = {
        {18, 3, "0x0060CC87, 0x0028BA5C, 0x0060CC87", "0x00AFE5C3, 0x0093DCAD, 0x00AFE5C3"},
        {19, 2, "0x005EC883 0x0019B14F 0x0019B14F 0x0019B14F 0x005EC883", "0x00AEE3C1 0x008CD8A7 0x008CD8A7 0x008CD8A7 0x00AEE3C1"},
        {20, 2, "0x001DAC50 0x0012A847 0x0012A847 0x0012A847 0x001DAC50", "0x008ED5A7 0x0088D3A3 0x0088D3A3 0x0088D3A3 0x008ED5A7"},
        {21, 2, "0x0054BA78 0x000B9D3F 0x000B9D3F 0x000B9D3F 0x0054BA78", "0x00A9DCBB 0x0085CE9F 0x0085CE9F 0x0085CE9F 0x00A9DCBB"},
        {22, 3, "0x004FB473, 0x00109940, 0x004FB473", "0x00A7D9B9, 0x0087CC9F, 0x00A7D9B9"},
    };
    for (const auto& row : dot) {
        const auto en = coloursIn(row.enabled), dis = coloursIn(row.disabled);
        for (std::size_t i = 0; i < en.size(); ++i)
            e.set(row.x + int(i), row.x + int(i), row.row, en[i], dis[i]);
    }

    const Dib image = readImage(skin::markGlyphImage(), 18, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 18; ++x)
            EXPECT_EQ(hex(image.pixel(x, y)), hex(e.pixels[y][x])) << x << "," << y;
    for (int y : {8, 16, 17, 23})
        for (int x = 0; x < 18; ++x)
            EXPECT_EQ(image.pixel(x, y), kKey) << x << "," << y;
}

// Pixels of one 13 x 13 bubble tile, by role.
std::set<std::pair<int, int>> outsidePixels()
{
    std::set<std::pair<int, int>> out;
    const int ends[3] = {3, 2, 1}; // rows 0/12, 1/11, 2/10
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < ends[r]; ++i)
            for (int y : {r, 12 - r})
                out.insert({i, y}), out.insert({12 - i, y});
    return out;
}

const std::pair<int, int> kDiagonal[8] = {{1, 2}, {2, 1}, {10, 1}, {11, 2}, {1, 10}, {2, 11}, {10, 11}, {11, 10}};
const std::pair<int, int> kSmoothing[12] = {{3, 1}, {9, 1}, {2, 2}, {10, 2}, {1, 3}, {11, 3},
                                            {1, 9}, {11, 9}, {2, 10}, {10, 10}, {3, 11}, {9, 11}};

std::set<std::pair<int, int>> ringPixels()
{
    std::set<std::pair<int, int>> ring(std::begin(kDiagonal), std::end(kDiagonal));
    for (int i = 3; i <= 9; ++i)
        ring.insert({i, 0}), ring.insert({i, 12}), ring.insert({0, i}), ring.insert({12, i});
    return ring;
}

TEST_F(OptionBubbles, OutsideIsKeyAndTheRingTurnsAQuarterOntoItself)
{
    const Dib image = readImage(skin::optionBubbleImage(), 13, 52);
    const char* ringColours[4] = {
        "0x00D2A683 0x00D3A886 0x00D9B395 0x00E7CFBC 0x00DBB89D",
        "0x00D2A683 0x00D3A886 0x00D9B395 0x00E7CFBC 0x00DBB89D",
        "0x00C18964 0x00C28B67 0x00CA9976 0x00DDBCA4 0x00CD9F7F",
        "0x00E8D2C1 0x00E9D3C2 0x00ECD9CA 0x00F3E7DD 0x00EDDBCE",
    };
    const auto outside = outsidePixels();
    ASSERT_EQ(outside.size(), 24u);
    for (int tile = 0; tile < 4; ++tile) {
        const int top = 13 * tile;
        for (auto [x, y] : outside)
            EXPECT_EQ(image.pixel(x, top + y), kKey) << "tile " << tile << " " << x << "," << y;
        const auto c = coloursIn(ringColours[tile]); // c0 c1 c2 c3 cd
        const COLORREF run[7] = {c[3], c[2], c[1], c[0], c[1], c[2], c[3]};
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(hex(image.pixel(3 + i, top)), hex(run[i])) << "tile " << tile << " x " << 3 + i;
        for (auto [x, y] : kDiagonal)
            EXPECT_EQ(hex(image.pixel(x, top + y)), hex(c[4])) << "tile " << tile << " " << x << "," << y;
        // A quarter turn maps (x, y) to (12 - y, x).
        for (auto set : {outside, ringPixels()})
            for (auto [x, y] : set)
                EXPECT_EQ(hex(image.pixel(x, top + y)), hex(image.pixel(12 - y, top + x)))
                    << "tile " << tile << " " << x << "," << y;
    }
}

TEST_F(OptionBubbles, SmoothingPixelsAreAsListed)
{
    const Dib image = readImage(skin::optionBubbleImage(), 13, 52);
    // Columns of the listed table: (3,1) (9,1) (1,3) (11,3) | (2,2) (10,2) | (1,9) (11,9) | (2,10) (10,10) | (3,11) (9,11)
    const int group[12] = {0, 0, 1, 1, 0, 0, 2, 2, 3, 3, 4, 4};
    const char* byTile[4] = {"0x00DFC2A9 0x00E5CEB9 0x00E3C8B3 0x00ECD9CA 0x00E5CAB6",
                             "0x00DFC2A9 0x00E5CEB9 0x00E3C8B3 0x00ECD9CA 0x00E5CAB6", nullptr,
                             "0x00EFE0D4 0x00F2E6DC 0x00F1E3D9 0x00F5ECE4 0x00F2E4DA"};
    // Tile 2 is shaded to one side, in the order of kSmoothing.
    const auto pressed = coloursIn("0x00D3AC8C 0x00D8B399 0x00DABBA0 0x00E5CAB5 0x00D3AC8C 0x00DAB59C "
                                   "0x00D3AC8C 0x00DAB59C 0x00DABBA0 0x00E5CAB5 0x00D3AC8C 0x00D8B399");
    for (int tile = 0; tile < 4; ++tile)
        for (int i = 0; i < 12; ++i) {
            const auto [x, y] = kSmoothing[i];
            const COLORREF expected = tile == 2 ? pressed[i] : coloursIn(byTile[tile])[group[i]];
            EXPECT_EQ(hex(image.pixel(x, 13 * tile + y)), hex(expected)) << "tile " << tile << " " << x << "," << y;
        }
}

std::vector<std::pair<int, int>> facePixels()
{
    auto taken = outsidePixels();
    for (auto p : ringPixels())
        taken.insert(p);
    taken.insert(std::begin(kSmoothing), std::end(kSmoothing));
    std::vector<std::pair<int, int>> face;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            if (!taken.count({x, y}))
                face.push_back({x, y});
    return face;
}

TEST_F(OptionBubbles, WhiteFacesHaveTheListedSymmetricShadow)
{
    const Dib image = readImage(skin::optionBubbleImage(), 13, 52);
    struct ShadowRow { int row, x; const char* colours; };
    const std::vector<ShadowRow> shadows[2] = {
        {{1, 4, "0x00ECDFD1, 0x00F0E7DD, 0x00F1E9DF"}, {2, 3, "0x00F3ECE3, 0x00F4EDE5, 0x00F4EEE7, 0x00F4EEE7"},
         {3, 2, "0x00F4EDE5, 0x00F7F2ED, 0x00FAF7F3, 0x00FBF9F7, 0x00FBF9F7"}, {4, 1, "0x00EFE2D6, 0x00F8F4EF, 0x00FCFBF9"},
         {5, 1, "0x00F6F0EB, 0x00FCFBF9, 0x00FFFEFE"}, {6, 1, "0x00FAF7F3, 0x00FEFEFD"}, {7, 1, "0x00FAF7F4"},
         {8, 1, "0x00F5EDE6"}, {11, 4, "0x00F8F2ED, 0x00FEFDFC"}},
        {{1, 4, "0x00F5EFE8, 0x00F7F3EE, 0x00F8F4EF"}, {2, 3, "0x00F9F5F1, 0x00F9F6F2, 0x00F9F6F3, 0x00F9F6F3"},
         {3, 2, "0x00F9F6F2, 0x00FBF8F6, 0x00FCFBF9, 0x00FDFCFB, 0x00FDFCFB"},
         {4, 1, "0x00F7F0EA, 0x00FBF9F7, 0x00FDFDFC, 0x00FEFEFE"}, {5, 1, "0x00FAF7F5, 0x00FDFDFC, 0x00FFFEFE"},
         {6, 1, "0x00FCFBF9, 0x00FEFEFE"}, {7, 1, "0x00FCFBF9"}, {8, 1, "0x00FAF6F2"}, {11, 4, "0x00FBF8F6, 0x00FEFEFD"}},
    };
    const auto face = facePixels();
    ASSERT_EQ(face.size(), 97u);
    for (int which = 0; which < 2; ++which) {
        const int tile = which == 0 ? 0 : 3;
        COLORREF expected[13][13];
        for (auto [x, y] : face)
            expected[y][x] = kWhite;
        for (const ShadowRow& row : shadows[which]) {
            const auto colours = coloursIn(row.colours);
            for (std::size_t i = 0; i < colours.size(); ++i) {
                expected[row.row][row.x + i] = colours[i];
                expected[row.row][12 - row.x - i] = colours[i];
            }
        }
        for (auto [x, y] : face)
            EXPECT_EQ(hex(image.pixel(x, 13 * tile + y)), hex(expected[y][x])) << "tile " << tile << " " << x << "," << y;
    }
}

TEST_F(OptionBubbles, HotAndPressedFacesAreDiagonalGradients)
{
    const Dib image = readImage(skin::optionBubbleImage(), 13, 52);
    // Hot: colour by x + y (5..7 share one), within 2; pressed: by x - y (-7..-5 share one), within 3.
    const auto hot = coloursIn("0x00F8EAC3 0x00F8EAC3 0x00F8EAC3 0x00F8EBC5 0x00F9ECC6 0x00F9ECC9 0x00F9EDCB 0x00FAEFCE "
                               "0x00FBF0D1 0x00FBF1D4 0x00FBF2D8 0x00FBF3DA 0x00FCF4DC 0x00FCF4DE 0x00FDF5E0");
    const auto pressed = coloursIn("0x00F5E1AD 0x00F5E1AD 0x00F5E1AD 0x00F5E2B0 0x00F7E5B2 0x00F7E6B4 0x00F7E6B8 "
                                   "0x00F8E8BC 0x00F9EABF 0x00F8ECC3 0x00F9EDC8 0x00F9EECC 0x00FAEFCE 0x00FAEFD1 0x00FAF1D5");
    for (auto [x, y] : facePixels()) {
        ASSERT_TRUE(x + y >= 5 && x + y <= 19 && x - y >= -7 && x - y <= 7);
        const COLORREF h = image.pixel(x, 13 + y), p = image.pixel(x, 26 + y);
        EXPECT_TRUE(colourNear(h, hot[x + y - 5], 2)) << x << "," << y << " hot " << hex(h);
        EXPECT_TRUE(colourNear(p, pressed[x - y + 7], 3)) << x << "," << y << " pressed " << hex(p);
    }
}

} // namespace
