// Push-button faces, combo drop-down button faces and header item slices:
// the images drawn stretched, given as rows and as gradients down columns.
#include "skin/images/image_pixels.h"

namespace skin {

namespace {

// ---- Push-button faces: four 7 x 21 tiles, normal, hot, pressed, disabled.

constexpr int kFaceTileHeight = 21;

using FaceRow = std::array<COLORREF, 7>;

constexpr FaceRow kBlueTopRow    = {0x00F9E1BF, 0x00E3B36B, 0x00D8972C, 0x00D58F1B, 0x00D8972C, 0x00E3B36B, 0x00F9E1BF};
constexpr FaceRow kBlueBottomRow = {0x00FBE7CA, 0x00E1AE60, 0x00D8962A, 0x00D58F1B, 0x00D8962A, 0x00E1AE60, 0x00FBE7CA};

// The rounded ring and the rows blending it into the body, as whole rows.
struct FaceRowEntry {
    int tile;
    int row;
    FaceRow colours;
};

constexpr FaceRowEntry kFaceRows[] = {
    {0, 0, kBlueTopRow},
    {0, 1, {0x00E2B269, 0x00E7C07E, 0x00FBF3E7, 0x00FFFFFF, 0x00FBF3E7, 0x00E7C07E, 0x00E2B269}},
    {0, 2, {0x00D79529, 0x00FCF6EC, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00FCF6EC, 0x00D79529}},
    {0, 18, {0x00D79528, 0x00EED7BA, 0x00ECD6BB, 0x00E9CFB0, 0x00ECD5BB, 0x00EED7BA, 0x00D79528}},
    {0, 19, {0x00E2B064, 0x00E1B268, 0x00EED8BB, 0x00F1E0CC, 0x00EED8BB, 0x00E1B268, 0x00E1AF62}},
    {0, 20, kBlueBottomRow},
    {1, 0, kBlueTopRow},
    {1, 1, {0x00E2B269, 0x00E6A328, 0x00F8BB3C, 0x00FBC34C, 0x00F8BB3C, 0x00E6A328, 0x00E2B269}},
    {1, 2, {0x00D79529, 0x00F9BC3D, 0x00FEDA8D, 0x00FFEDC6, 0x00FEDA8D, 0x00F9BC3D, 0x00D79529}},
    {1, 18, {0x00D79528, 0x00F6B633, 0x00F7C970, 0x00F3D299, 0x00F7CA71, 0x00F6B635, 0x00D79528}},
    {1, 19, {0x00E2B064, 0x00E5A125, 0x00F6B533, 0x00F8BB3F, 0x00F6B633, 0x00E5A124, 0x00E1AF62}},
    {1, 20, kBlueBottomRow},
    {2, 0, kBlueTopRow},
    {2, 1, {0x00E2B269, 0x00E6A122, 0x00F8B530, 0x00FBBC39, 0x00F7B52F, 0x00E6A123, 0x00E2B269}},
    {2, 2, {0x00D79529, 0x00F8B62E, 0x00F8C96F, 0x00F3CC86, 0x00F8C86D, 0x00F7B52C, 0x00D79529}},
    {2, 18, {0x00D79528, 0x00FAB936, 0x00FED786, 0x00FDE4AE, 0x00FED788, 0x00FABA36, 0x00D79528}},
    {2, 19, {0x00E2B064, 0x00E6A325, 0x00F9BA37, 0x00FDC140, 0x00F9BA37, 0x00E6A325, 0x00E1AF62}},
    {2, 20, kBlueBottomRow},
    {3, 0, {0x00FBF7F2, 0x00EFD5AF, 0x00EAC78F, 0x00E8C387, 0x00EAC78F, 0x00EFD5AF, 0x00FBF7F2}},
    {3, 1, {0x00EFD5AE, 0x00F1DCB8, 0x00FBF5ED, 0x00FDFBF8, 0x00FBF5ED, 0x00F1DCB8, 0x00EFD5AE}},
    {3, 2, {0x00E9C68E, 0x00FBF7EF, 0x00FDFBF8, 0x00FDFBF8, 0x00FDFBF8, 0x00FBF7EF, 0x00E9C68E}},
    {3, 18, {0x00E9C68D, 0x00F5E7D6, 0x00F4E6D7, 0x00F2E3D1, 0x00F4E6D7, 0x00F5E7D6, 0x00E9C68D}},
    {3, 19, {0x00EFD3AB, 0x00EED4AD, 0x00F5E7D7, 0x00F6EBDF, 0x00F5E7D7, 0x00EED4AD, 0x00EED3AA}},
    {3, 20, {0x00FBF6F2, 0x00EED2A9, 0x00EAC68E, 0x00E8C387, 0x00EAC68E, 0x00EED2A9, 0x00FBF6F2}},
};

// The side columns 0 and 6 of the body rows 3..17, per tile.
constexpr COLORREF kFaceSides[] = {0x00D58F1B, 0x00D58F1B, 0x00D58F1B, 0x00E8C387};

// The body, rows 3..17: gradients down columns first..last. Columns 4 and 5
// mirror columns 2 and 1.
struct FaceColumn {
    int tile;
    int first;
    int last;
    Stops stops;
};

const FaceColumn kFaceBody[] = {
    {0, 1, 1, {{3, 0x00FDFAF5}, {10, 0x00FBF0E3}, {11, 0x00F8EBDB}, {17, 0x00F0DEC9}}},
    {0, 2, 3, {{3, 0x00FCF8F1}, {10, 0x00F9EAD7}, {11, 0x00F5E2CC}, {17, 0x00EAD0B1}}},
    {1, 1, 1, {{3, 0x00FBC146}, {5, 0x00FBC34C}, {10, 0x00FBC24A}, {11, 0x00FABF46}, {14, 0x00F8BD42}, {17, 0x00F8BA39}}},
    {1, 2, 2, {{3, 0x00FDE3AE}, {5, 0x00FDE8C0}, {10, 0x00FCE4B9}, {11, 0x00F9DDAE}, {14, 0x00F4D6A2}, {17, 0x00F5D08F}}},
    {1, 3, 3, {{3, 0x00FCEED2}, {5, 0x00FCF2E4}, {10, 0x00FBEDD9}, {11, 0x00F7E4CB}, {14, 0x00F2DBBC}, {17, 0x00F2D4A7}}},
    {2, 1, 1, {{3, 0x00F9B731}, {4, 0x00F9B835}, {10, 0x00FBBD3F}, {11, 0x00FCBF42}, {15, 0x00FCC144}, {17, 0x00FCBF3E}}},
    {2, 2, 2, {{3, 0x00F2CA83}, {4, 0x00F2CC8D}, {10, 0x00F8DAAA}, {11, 0x00FBE2B5}, {15, 0x00FCE6BD}, {17, 0x00FEE4AE}}},
    {2, 3, 3, {{3, 0x00F3D49F}, {4, 0x00F3D7AB}, {10, 0x00F9E4C5}, {11, 0x00FBEBCF}, {15, 0x00FCEFD6}, {17, 0x00FDEAC3}}},
    {3, 1, 1, {{3, 0x00FCF8F3}, {10, 0x00FBF4EB}, {11, 0x00FAF1E7}, {17, 0x00F6EADE}}},
    {3, 2, 3, {{3, 0x00FBF7F2}, {10, 0x00FAF1E5}, {11, 0x00F8EDDF}, {17, 0x00F3E3D2}}},
};

// ---- Combo drop-down button: hot face (columns 0..3), pressed face (4..7),
// arrows (8..14).

constexpr COLORREF kComboBorder = 0x00D1A04E;
constexpr COLORREF kArrowColours[] = {0x005F5519, 0x00ACA584}; // enabled, disabled
constexpr int kArrowLeft = 8;
constexpr int kArrowCellHeight = 4;

// One row of a face: columns 1 and 3, and the middle column 2.
struct ComboRow {
    COLORREF side;
    COLORREF middle;
};

constexpr ComboRow kHotFace[18] = {
    {0x00FFF9E8, 0x00FFF9E8},
    {0x00FEF8E6, 0x00FDEEC1},
    {0x00FEF7E4, 0x00FCEBBC},
    {0x00FDF6E2, 0x00FAE8B7},
    {0x00FDF5E0, 0x00F9E5B2},
    {0x00FCF3DE, 0x00F7E1AC},
    {0x00FBF1DB, 0x00F5DDA5},
    {0x00FAF0D9, 0x00F3D99F},
    {0x00F9EED6, 0x00F1D598},
    {0x00F9EDD3, 0x00EFD191},
    {0x00F8EBD0, 0x00EECD8A},
    {0x00F7E9CD, 0x00ECC983},
    {0x00F7E8CB, 0x00EAC57C},
    {0x00F6E7C8, 0x00E8C276},
    {0x00F5E5C6, 0x00E6BE70},
    {0x00F5E4C3, 0x00E5BB6A},
    {0x00F4E3C1, 0x00E3B865},
    {0x00F3E1C0, 0x00F3E1C0},
};

// The pressed face's own rows; rows 2..16 are the hot face's turned upside down.
constexpr ComboRow kPressedTop[2] = {{0x00F3E1BE, 0x00F3E1BE}, {0x00F3E1C0, 0x00E2B561}};
constexpr ComboRow kPressedBottom = {0x00FEF8E6, 0x00FEF8E6};

ComboRow pressedRow(int y) noexcept
{
    if (y < 2)
        return kPressedTop[y];
    if (y == 17)
        return kPressedBottom;
    return kHotFace[18 - y];
}

// ---- Header item slices: gradients down the nine columns, rows 0..18.

constexpr COLORREF kHeaderUnderline = 0x00F2DAC0;

const Stops kHeaderColumns[9] = {
    {{0, 0x00FEF5EA}, {1, 0x00FEF4E9}, {8, 0x00FDF7F1}, {10, 0x00FBF4ED}, {16, 0x00F6E6D5}, {18, 0x00F6E5D3}},
    {{0, 0x00FEF5EA}, {8, 0x00FAECDD}, {9, 0x00F6E5D3}, {18, 0x00F6E5D3}},
    {{0, 0x00FEF5EA}, {1, 0x00FEF4E9}, {3, 0x00F7E8D6}, {4, 0x00EFD9BC}, {7, 0x00E2BF94}, {8, 0x00DCB582},
     {9, 0x00D9B07A}, {11, 0x00DAB27D}, {15, 0x00EACFAF}, {16, 0x00F1DCC4}, {18, 0x00F6E5D3}},
    {{0, 0x00FDE6BD}, {3, 0x00FBCB77}, {4, 0x00FAC565}, {5, 0x00FAC25E}, {17, 0x00FAC25E}, {18, 0x00FBCC73}},
    {{0, 0x00FEEED3}, {1, 0x00FFEFD6}, {8, 0x00FEE7BD}, {9, 0x00FDE1AF}, {15, 0x00FDE1AF}, {18, 0x00FCDDA8}},
    {{0, 0x00FDE6BD}, {1, 0x00FCDEA7}, {2, 0x00F9D18B}, {4, 0x00EDB85B}, {5, 0x00EAB154}, {8, 0x00DCA34C},
     {11, 0x00DCA34C}, {17, 0x00F7C05C}, {18, 0x00FBCC73}},
    {{0, 0x00FBD797}, {2, 0x00FAC566}, {3, 0x00FAC25E}, {12, 0x00FAC25E}, {14, 0x00FBCA6F}, {18, 0x00FDE3A8}},
    {{0, 0x00FBD797}, {1, 0x00FFDC9F}, {2, 0x00FFDDA0}, {13, 0x00FFEDBC}, {15, 0x00FFF2C5}, {18, 0x00FFF2C8}},
    {{0, 0x00FBD797}, {2, 0x00F7C364}, {4, 0x00EDB556}, {8, 0x00DCA34C}, {11, 0x00DCA34C}, {13, 0x00E5AD55},
     {15, 0x00EEBF6D}, {16, 0x00F6CF83}, {18, 0x00FDE3A8}},
};

} // namespace

PixelGrid<7, 84> buttonFacePixels() noexcept
{
    PixelGrid<7, 84> grid;
    for (const FaceRowEntry& entry : kFaceRows)
        for (int x = 0; x < 7; ++x)
            grid.at(x, entry.tile * kFaceTileHeight + entry.row) = entry.colours[x];
    for (int tile = 0; tile < 4; ++tile) {
        const int top = tile * kFaceTileHeight;
        for (int y = 3; y <= 17; ++y) {
            grid.at(0, top + y) = kFaceSides[tile];
            grid.at(6, top + y) = kFaceSides[tile];
        }
    }
    for (const FaceColumn& column : kFaceBody) {
        const int top = column.tile * kFaceTileHeight;
        for (int x = column.first; x <= column.last; ++x)
            fillColumn(grid, x, top, column.stops);
        for (int y = 3; y <= 17; ++y) {
            grid.at(4, top + y) = grid.at(2, top + y);
            grid.at(5, top + y) = grid.at(1, top + y);
        }
    }
    return grid;
}

PixelGrid<15, 18> comboButtonPixels() noexcept
{
    PixelGrid<15, 18> grid;
    grid.fill(0x00FF00FF);
    for (int y = 0; y < 18; ++y) {
        const ComboRow hot = kHotFace[y];
        const ComboRow pressed = pressedRow(y);
        const COLORREF row[8] = {kComboBorder, hot.side, hot.middle, hot.side,
                                 kComboBorder, pressed.side, pressed.middle, pressed.side};
        for (int x = 0; x < 8; ++x)
            grid.at(x, y) = row[x];
    }
    // A downward triangle in each 7 x 4 cell: row r covers columns r..6-r.
    for (int cell = 0; cell < 2; ++cell)
        for (int r = 0; r < kArrowCellHeight; ++r)
            for (int x = r; x <= 6 - r; ++x)
                grid.at(kArrowLeft + x, cell * kArrowCellHeight + r) = kArrowColours[cell];
    return grid;
}

PixelGrid<9, 20> headerItemPixels() noexcept
{
    PixelGrid<9, 20> grid;
    for (int x = 0; x < 9; ++x) {
        fillColumn(grid, x, 0, kHeaderColumns[x]);
        grid.at(x, 19) = kHeaderUnderline;
    }
    return grid;
}

} // namespace skin
