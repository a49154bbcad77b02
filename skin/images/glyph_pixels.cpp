// Check mark, indeterminate square, option dot and option bubble: the images
// with transparent (key-coloured) surroundings.
#include "skin/images/image_pixels.h"
#include "skin/images/skin_images.h"

#include <string_view>

namespace skin {

namespace {

// ---- Mark glyphs: enabled shapes in columns 0..8, the same shapes in lighter
// colours 9 columns to the right for a disabled control.

constexpr int kDisabledShift = 9;

// Check mark, one colour per row; '#' marks a pixel of the enabled half.
struct CheckRow {
    std::string_view shape;
    COLORREF enabled;
    COLORREF disabled;
};

constexpr CheckRow kCheckMark[] = {
    {"........#", 0x001DB754, 0x008CDAA8},
    {".......##", 0x001BB451, 0x008BD9A6},
    {"......###", 0x0017AF4D, 0x0089D6A4},
    {"##...###.", 0x0013A948, 0x0087D3A2},
    {"###.###..", 0x000FA243, 0x0085D09F},
    {".#####...", 0x000A9C3E, 0x0082CD9D},
    {"..###....", 0x00069639, 0x0080C99A},
    {"...#.....", 0x00029135, 0x007EC798},
};

// Indeterminate square: rows 9..15, columns 1..7, one colour per row.
constexpr int kSquareTop = 9;
constexpr int kSquareLeft = 1;
constexpr int kSquareSize = 7;
constexpr COLORREF kSquare[kSquareSize][2] = {
    {0x001BB451, 0x008BD9A6},
    {0x0018B04E, 0x0089D6A4},
    {0x0014AB49, 0x0087D4A3},
    {0x0010A445, 0x0086D1A0},
    {0x000C9E40, 0x0083CE9E},
    {0x0007983B, 0x0081CA9B},
    {0x00069639, 0x0080C99A},
};

// Option dot: a 5 x 5 disc at (2, 18) without its corners. Each row is an end
// colour at both ends and a middle colour between them.
constexpr int kDotTop = 18;
constexpr int kDotLeft = 2;
struct DotRow {
    COLORREF enabledEnd, enabledMiddle, disabledEnd, disabledMiddle;
};
constexpr DotRow kDot[5] = {
    {0x0060CC87, 0x0028BA5C, 0x00AFE5C3, 0x0093DCAD},
    {0x005EC883, 0x0019B14F, 0x00AEE3C1, 0x008CD8A7},
    {0x001DAC50, 0x0012A847, 0x008ED5A7, 0x0088D3A3},
    {0x0054BA78, 0x000B9D3F, 0x00A9DCBB, 0x0085CE9F},
    {0x004FB473, 0x00109940, 0x00A7D9B9, 0x0087CC9F},
};

template <class Grid>
void setBoth(Grid& grid, int x, int y, COLORREF enabled, COLORREF disabled) noexcept
{
    grid.at(x, y) = enabled;
    grid.at(x + kDisabledShift, y) = disabled;
}

// ---- Option bubble: four 13 x 13 tiles, normal, hot, pressed, disabled.

constexpr int kBubble = 13;

// The outer ring: row 0, row 12, column 0 and column 12 read c3 c2 c1 c0 c1
// c2 c3 over their middle seven pixels; cd on the eight diagonal pixels.
struct Ring {
    COLORREF c0, c1, c2, c3, cd;
};
constexpr Ring kRings[4] = {
    {0x00D2A683, 0x00D3A886, 0x00D9B395, 0x00E7CFBC, 0x00DBB89D},
    {0x00D2A683, 0x00D3A886, 0x00D9B395, 0x00E7CFBC, 0x00DBB89D},
    {0x00C18964, 0x00C28B67, 0x00CA9976, 0x00DDBCA4, 0x00CD9F7F},
    {0x00E8D2C1, 0x00E9D3C2, 0x00ECD9CA, 0x00F3E7DD, 0x00EDDBCE},
};

// Outside the circle: in rows 0, 1 and 2 the first 3, 2 and 1 pixels at each
// end, and the same in rows 12, 11 and 10.
constexpr int kOutside[3] = {3, 2, 1};
constexpr int kDiagonal[8][2] = {{1, 2}, {2, 1}, {10, 1}, {11, 2}, {1, 10}, {2, 11}, {10, 11}, {11, 10}};

// Anti-aliasing just inside the ring, as (x, y) and its colour per tile.
struct Smoothing {
    int x, y;
    COLORREF colours[4];
};
constexpr Smoothing kSmoothing[] = {
    {3, 1, {0x00DFC2A9, 0x00DFC2A9, 0x00D3AC8C, 0x00EFE0D4}},
    {9, 1, {0x00DFC2A9, 0x00DFC2A9, 0x00D8B399, 0x00EFE0D4}},
    {1, 3, {0x00DFC2A9, 0x00DFC2A9, 0x00D3AC8C, 0x00EFE0D4}},
    {11, 3, {0x00DFC2A9, 0x00DFC2A9, 0x00DAB59C, 0x00EFE0D4}},
    {2, 2, {0x00E5CEB9, 0x00E5CEB9, 0x00DABBA0, 0x00F2E6DC}},
    {10, 2, {0x00E5CEB9, 0x00E5CEB9, 0x00E5CAB5, 0x00F2E6DC}},
    {1, 9, {0x00E3C8B3, 0x00E3C8B3, 0x00D3AC8C, 0x00F1E3D9}},
    {11, 9, {0x00E3C8B3, 0x00E3C8B3, 0x00DAB59C, 0x00F1E3D9}},
    {2, 10, {0x00ECD9CA, 0x00ECD9CA, 0x00DABBA0, 0x00F5ECE4}},
    {10, 10, {0x00ECD9CA, 0x00ECD9CA, 0x00E5CAB5, 0x00F5ECE4}},
    {3, 11, {0x00E5CAB6, 0x00E5CAB6, 0x00D3AC8C, 0x00F2E4DA}},
    {9, 11, {0x00E5CAB6, 0x00E5CAB6, 0x00D8B399, 0x00F2E4DA}},
};

// White faces (tiles 0 and 3) with a soft shadow: the pixels that are not
// white, from column `first` to the middle column 6, mirrored for 7..11.
struct ShadowRow {
    int row;
    int first;
    std::initializer_list<COLORREF> colours;
};
const ShadowRow kNormalShadow[] = {
    {1, 4, {0x00ECDFD1, 0x00F0E7DD, 0x00F1E9DF}},
    {2, 3, {0x00F3ECE3, 0x00F4EDE5, 0x00F4EEE7, 0x00F4EEE7}},
    {3, 2, {0x00F4EDE5, 0x00F7F2ED, 0x00FAF7F3, 0x00FBF9F7, 0x00FBF9F7}},
    {4, 1, {0x00EFE2D6, 0x00F8F4EF, 0x00FCFBF9}},
    {5, 1, {0x00F6F0EB, 0x00FCFBF9, 0x00FFFEFE}},
    {6, 1, {0x00FAF7F3, 0x00FEFEFD}},
    {7, 1, {0x00FAF7F4}},
    {8, 1, {0x00F5EDE6}},
    {11, 4, {0x00F8F2ED, 0x00FEFDFC}},
};
const ShadowRow kDisabledShadow[] = {
    {1, 4, {0x00F5EFE8, 0x00F7F3EE, 0x00F8F4EF}},
    {2, 3, {0x00F9F5F1, 0x00F9F6F2, 0x00F9F6F3, 0x00F9F6F3}},
    {3, 2, {0x00F9F6F2, 0x00FBF8F6, 0x00FCFBF9, 0x00FDFCFB, 0x00FDFCFB}},
    {4, 1, {0x00F7F0EA, 0x00FBF9F7, 0x00FDFDFC, 0x00FEFEFE}},
    {5, 1, {0x00FAF7F5, 0x00FDFDFC, 0x00FFFEFE}},
    {6, 1, {0x00FCFBF9, 0x00FEFEFE}},
    {7, 1, {0x00FCFBF9}},
    {8, 1, {0x00FAF6F2}},
    {11, 4, {0x00FBF8F6, 0x00FEFEFD}},
};

// Diagonal gradients of the hot and pressed faces: the colour for a range of
// x + y (hot) or x - y (pressed).
struct DiagonalBand {
    int from, to;
    COLORREF colour;
};
constexpr DiagonalBand kHotFace[] = {
    {5, 7, 0x00F8EAC3}, {8, 8, 0x00F8EBC5}, {9, 9, 0x00F9ECC6}, {10, 10, 0x00F9ECC9},
    {11, 11, 0x00F9EDCB}, {12, 12, 0x00FAEFCE}, {13, 13, 0x00FBF0D1}, {14, 14, 0x00FBF1D4},
    {15, 15, 0x00FBF2D8}, {16, 16, 0x00FBF3DA}, {17, 17, 0x00FCF4DC}, {18, 18, 0x00FCF4DE},
    {19, 19, 0x00FDF5E0},
};
constexpr DiagonalBand kPressedFace[] = {
    {-7, -5, 0x00F5E1AD}, {-4, -4, 0x00F5E2B0}, {-3, -3, 0x00F7E5B2}, {-2, -2, 0x00F7E6B4},
    {-1, -1, 0x00F7E6B8}, {0, 0, 0x00F8E8BC}, {1, 1, 0x00F9EABF}, {2, 2, 0x00F8ECC3},
    {3, 3, 0x00F9EDC8}, {4, 4, 0x00F9EECC}, {5, 5, 0x00FAEFCE}, {6, 6, 0x00FAEFD1},
    {7, 7, 0x00FAF1D5},
};

template <std::size_t N>
COLORREF bandColour(const DiagonalBand (&bands)[N], int value) noexcept
{
    for (const DiagonalBand& band : bands)
        if (value >= band.from && value <= band.to)
            return band.colour;
    return kWhite;
}

template <std::size_t N>
void paintShadow(PixelGrid<13, 52>& grid, int top, const ShadowRow (&rows)[N]) noexcept
{
    for (const ShadowRow& row : rows) {
        int x = row.first;
        for (COLORREF colour : row.colours) {
            grid.at(x, top + row.row) = colour;
            grid.at(12 - x, top + row.row) = colour;
            ++x;
        }
    }
}

// Fills the inside of the ring of one tile; the ring is drawn over it afterwards.
void paintBubbleFace(PixelGrid<13, 52>& grid, int tile) noexcept
{
    const int top = tile * kBubble;
    for (int y = 1; y < kBubble - 1; ++y)
        for (int x = 1; x < kBubble - 1; ++x) {
            COLORREF colour = kWhite;
            if (tile == 1)
                colour = bandColour(kHotFace, x + y);
            else if (tile == 2)
                colour = bandColour(kPressedFace, x - y);
            grid.at(x, top + y) = colour;
        }
    if (tile == 0)
        paintShadow(grid, top, kNormalShadow);
    else if (tile == 3)
        paintShadow(grid, top, kDisabledShadow);
}

void paintBubbleRing(PixelGrid<13, 52>& grid, int tile) noexcept
{
    const int top = tile * kBubble;
    const Ring& ring = kRings[tile];
    const COLORREF run[7] = {ring.c3, ring.c2, ring.c1, ring.c0, ring.c1, ring.c2, ring.c3};
    for (int i = 0; i < 7; ++i) {
        grid.at(3 + i, top) = run[i];
        grid.at(3 + i, top + 12) = run[i];
        grid.at(0, top + 3 + i) = run[i];
        grid.at(12, top + 3 + i) = run[i];
    }
    for (const auto& [x, y] : kDiagonal)
        grid.at(x, top + y) = ring.cd;
    for (const Smoothing& pixel : kSmoothing)
        grid.at(pixel.x, top + pixel.y) = pixel.colours[tile];
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < kOutside[row]; ++i)
            for (int y : {row, 12 - row}) {
                grid.at(i, top + y) = kKeyColour;
                grid.at(12 - i, top + y) = kKeyColour;
            }
}

} // namespace

PixelGrid<18, 24> markGlyphPixels() noexcept
{
    PixelGrid<18, 24> grid;
    grid.fill(kKeyColour);
    for (int y = 0; y < static_cast<int>(std::size(kCheckMark)); ++y)
        for (int x = 0; x < static_cast<int>(kCheckMark[y].shape.size()); ++x)
            if (kCheckMark[y].shape[x] == '#')
                setBoth(grid, x, y, kCheckMark[y].enabled, kCheckMark[y].disabled);
    for (int r = 0; r < kSquareSize; ++r)
        for (int x = kSquareLeft; x < kSquareLeft + kSquareSize; ++x)
            setBoth(grid, x, kSquareTop + r, kSquare[r][0], kSquare[r][1]);
    for (int r = 0; r < 5; ++r) {
        const int inset = (r == 0 || r == 4) ? 1 : 0;
        for (int x = inset; x < 5 - inset; ++x) {
            const bool end = x == inset || x == 4 - inset;
            setBoth(grid, kDotLeft + x, kDotTop + r,
                    end ? kDot[r].enabledEnd : kDot[r].enabledMiddle,
                    end ? kDot[r].disabledEnd : kDot[r].disabledMiddle);
        }
    }
    return grid;
}

PixelGrid<13, 52> optionBubblePixels() noexcept
{
    PixelGrid<13, 52> grid;
    for (int tile = 0; tile < 4; ++tile) {
        paintBubbleFace(grid, tile);
        paintBubbleRing(grid, tile);
    }
    return grid;
}

} // namespace skin
