// The stretched images read back pixel by pixel: push-button faces, combo
// drop-down button faces and arrows, header item slices.
#include "image_expect.h"

using namespace qmtest;

namespace {

constexpr COLORREF kKey = 0x00FF00FF;

using ButtonFaces = SkinImageTest;
using ComboButton = SkinImageTest;
using HeaderItems = SkinImageTest;

struct RowCase {
    int tile;
    int row;
    const char* colours;
};

const RowCase kButtonRows[] = {
    {0, 0, "0x00F9E1BF 0x00E3B36B 0x00D8972C 0x00D58F1B 0x00D8972C 0x00E3B36B 0x00F9E1BF"},
    {1, 0, "0x00F9E1BF 0x00E3B36B 0x00D8972C 0x00D58F1B 0x00D8972C 0x00E3B36B 0x00F9E1BF"},
    {2, 0, "0x00F9E1BF 0x00E3B36B 0x00D8972C 0x00D58F1B 0x00D8972C 0x00E3B36B 0x00F9E1BF"},
    {0, 20, "0x00FBE7CA 0x00E1AE60 0x00D8962A 0x00D58F1B 0x00D8962A 0x00E1AE60 0x00FBE7CA"},
    {1, 20, "0x00FBE7CA 0x00E1AE60 0x00D8962A 0x00D58F1B 0x00D8962A 0x00E1AE60 0x00FBE7CA"},
    {2, 20, "0x00FBE7CA 0x00E1AE60 0x00D8962A 0x00D58F1B 0x00D8962A 0x00E1AE60 0x00FBE7CA"},
    {3, 0, "0x00FBF7F2 0x00EFD5AF 0x00EAC78F 0x00E8C387 0x00EAC78F 0x00EFD5AF 0x00FBF7F2"},
    {3, 20, "0x00FBF6F2 0x00EED2A9 0x00EAC68E 0x00E8C387 0x00EAC68E 0x00EED2A9 0x00FBF6F2"},
    {0, 1, "0x00E2B269 0x00E7C07E 0x00FBF3E7 0x00FFFFFF 0x00FBF3E7 0x00E7C07E 0x00E2B269"},
    {0, 2, "0x00D79529 0x00FCF6EC 0x00FFFFFF 0x00FFFFFF 0x00FFFFFF 0x00FCF6EC 0x00D79529"},
    {0, 18, "0x00D79528 0x00EED7BA 0x00ECD6BB 0x00E9CFB0 0x00ECD5BB 0x00EED7BA 0x00D79528"},
    {0, 19, "0x00E2B064 0x00E1B268 0x00EED8BB 0x00F1E0CC 0x00EED8BB 0x00E1B268 0x00E1AF62"},
    {1, 1, "0x00E2B269 0x00E6A328 0x00F8BB3C 0x00FBC34C 0x00F8BB3C 0x00E6A328 0x00E2B269"},
    {1, 2, "0x00D79529 0x00F9BC3D 0x00FEDA8D 0x00FFEDC6 0x00FEDA8D 0x00F9BC3D 0x00D79529"},
    {1, 18, "0x00D79528 0x00F6B633 0x00F7C970 0x00F3D299 0x00F7CA71 0x00F6B635 0x00D79528"},
    {1, 19, "0x00E2B064 0x00E5A125 0x00F6B533 0x00F8BB3F 0x00F6B633 0x00E5A124 0x00E1AF62"},
    {2, 1, "0x00E2B269 0x00E6A122 0x00F8B530 0x00FBBC39 0x00F7B52F 0x00E6A123 0x00E2B269"},
    {2, 2, "0x00D79529 0x00F8B62E 0x00F8C96F 0x00F3CC86 0x00F8C86D 0x00F7B52C 0x00D79529"},
    {2, 18, "0x00D79528 0x00FAB936 0x00FED786 0x00FDE4AE 0x00FED788 0x00FABA36 0x00D79528"},
    {2, 19, "0x00E2B064 0x00E6A325 0x00F9BA37 0x00FDC140 0x00F9BA37 0x00E6A325 0x00E1AF62"},
    {3, 1, "0x00EFD5AE 0x00F1DCB8 0x00FBF5ED 0x00FDFBF8 0x00FBF5ED 0x00F1DCB8 0x00EFD5AE"},
    {3, 2, "0x00E9C68E 0x00FBF7EF 0x00FDFBF8 0x00FDFBF8 0x00FDFBF8 0x00FBF7EF 0x00E9C68E"},
    {3, 18, "0x00E9C68D 0x00F5E7D6 0x00F4E6D7 0x00F2E3D1 0x00F4E6D7 0x00F5E7D6 0x00E9C68D"},
    {3, 19, "0x00EFD3AB 0x00EED4AD 0x00F5E7D7 0x00F6EBDF 0x00F5E7D7 0x00EED4AD 0x00EED3AA"},
};

// Body columns as listed; `columns` are the columns the list stands for.
struct BodyCase {
    int tile;
    std::vector<int> columns;
    const char* listed;
};

const BodyCase kButtonBody[] = {
    {0, {1, 5}, "3: 0x00FDFAF5; 10: 0x00FBF0E3; 11: 0x00F8EBDB; 17: 0x00F0DEC9"},
    {0, {2, 3, 4}, "3: 0x00FCF8F1; 10: 0x00F9EAD7; 11: 0x00F5E2CC; 17: 0x00EAD0B1"},
    {1, {1, 5}, "3: 0x00FBC146; 5: 0x00FBC34C; 10: 0x00FBC24A; 11: 0x00FABF46; 14: 0x00F8BD42; 17: 0x00F8BA39"},
    {1, {2}, "3: 0x00FDE3AE; 5: 0x00FDE8C0; 10: 0x00FCE4B9; 11: 0x00F9DDAE; 14: 0x00F4D6A2; 17: 0x00F5D08F"},
    {1, {3}, "3: 0x00FCEED2; 5: 0x00FCF2E4; 10: 0x00FBEDD9; 11: 0x00F7E4CB; 14: 0x00F2DBBC; 17: 0x00F2D4A7"},
    {2, {1, 5}, "3: 0x00F9B731; 4: 0x00F9B835; 10: 0x00FBBD3F; 11: 0x00FCBF42; 15: 0x00FCC144; 17: 0x00FCBF3E"},
    {2, {2}, "3: 0x00F2CA83; 4: 0x00F2CC8D; 10: 0x00F8DAAA; 11: 0x00FBE2B5; 15: 0x00FCE6BD; 17: 0x00FEE4AE"},
    {2, {3}, "3: 0x00F3D49F; 4: 0x00F3D7AB; 10: 0x00F9E4C5; 11: 0x00FBEBCF; 15: 0x00FCEFD6; 17: 0x00FDEAC3"},
    {3, {1, 5}, "3: 0x00FCF8F3; 10: 0x00FBF4EB; 11: 0x00FAF1E7; 17: 0x00F6EADE"},
    {3, {2, 3, 4}, "3: 0x00FBF7F2; 10: 0x00FAF1E5; 11: 0x00F8EDDF; 17: 0x00F3E3D2"},
};

int lightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

TEST_F(ButtonFaces, ListedRowsAndSideColumnsAreExact)
{
    const Dib image = readImage(skin::buttonFaceImage(), 7, 84);
    for (const RowCase& c : kButtonRows) {
        const std::vector<COLORREF> expected = coloursIn(c.colours);
        ASSERT_EQ(expected.size(), 7u);
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(hex(image.pixel(x, 21 * c.tile + c.row)), hex(expected[x]))
                << "tile " << c.tile << " row " << c.row << " x " << x;
    }
    const COLORREF sides[4] = {0x00D58F1B, 0x00D58F1B, 0x00D58F1B, 0x00E8C387};
    for (int tile = 0; tile < 4; ++tile)
        for (int y = 3; y <= 17; ++y)
            for (int x : {0, 6})
                EXPECT_EQ(hex(image.pixel(x, 21 * tile + y)), hex(sides[tile])) << "tile " << tile << " row " << y;
}

TEST_F(ButtonFaces, BodyIsTwoStackedGradientsWithinTolerance)
{
    const Dib image = readImage(skin::buttonFaceImage(), 7, 84);
    for (const BodyCase& c : kButtonBody) {
        // Tiles 0 and 3 within 2 units of the straight line, 1 and 2 within 5.
        const double tolerance = (c.tile == 0 || c.tile == 3) ? 2 : 5;
        for (int x : c.columns)
            expectGradient(image, x, 21 * c.tile, c.listed, tolerance, "tile " + std::to_string(c.tile));
    }
    // The step between the two gradients is visible: rows 10 and 11 differ.
    for (int tile = 0; tile < 4; ++tile)
        EXPECT_NE(image.pixel(3, 21 * tile + 10), image.pixel(3, 21 * tile + 11));
}

TEST_F(ButtonFaces, HotAndPressedHaveAMiddleHighlightAndNearlyEqualSides)
{
    const Dib image = readImage(skin::buttonFaceImage(), 7, 84);
    for (int tile : {1, 2})
        for (int y = 21 * tile + 3; y <= 21 * tile + 17; ++y) {
            EXPECT_GT(lightness(image.pixel(3, y)), lightness(image.pixel(2, y))) << "row " << y;
            EXPECT_GT(lightness(image.pixel(3, y)), lightness(image.pixel(4, y))) << "row " << y;
            EXPECT_TRUE(colourNear(image.pixel(4, y), image.pixel(2, y), 7)) << "row " << y;
        }
}

TEST_F(ButtonFaces, EachTileIsMirrorSymmetricWithinAFewUnits)
{
    const Dib image = readImage(skin::buttonFaceImage(), 7, 84);
    for (int tile = 0; tile < 4; ++tile)
        for (int row = 0; row < 21; ++row)
            for (int x = 0; x < 3; ++x) {
                const bool highlightSide = (tile == 1 || tile == 2) && x == 2 && row >= 3 && row <= 17;
                const int y = 21 * tile + row;
                EXPECT_TRUE(colourNear(image.pixel(x, y), image.pixel(6 - x, y), highlightSide ? 7 : 2))
                    << "tile " << tile << " row " << row << " x " << x;
            }
}

// Column 1 = column 3 and column 2, rows 0..17 of the hot face.
const char* const kHotFace[18][2] = {
    {"0x00FFF9E8", "0x00FFF9E8"},
    {"0x00FEF8E6", "0x00FDEEC1"}, {"0x00FEF7E4", "0x00FCEBBC"}, {"0x00FDF6E2", "0x00FAE8B7"},
    {"0x00FDF5E0", "0x00F9E5B2"}, {"0x00FCF3DE", "0x00F7E1AC"}, {"0x00FBF1DB", "0x00F5DDA5"},
    {"0x00FAF0D9", "0x00F3D99F"}, {"0x00F9EED6", "0x00F1D598"}, {"0x00F9EDD3", "0x00EFD191"},
    {"0x00F8EBD0", "0x00EECD8A"}, {"0x00F7E9CD", "0x00ECC983"}, {"0x00F7E8CB", "0x00EAC57C"},
    {"0x00F6E7C8", "0x00E8C276"}, {"0x00F5E5C6", "0x00E6BE70"}, {"0x00F5E4C3", "0x00E5BB6A"},
    {"0x00F4E3C1", "0x00E3B865"},
    {"0x00F3E1C0", "0x00F3E1C0"},
};

TEST_F(ComboButton, FacesAreExact)
{
    const Dib image = readImage(skin::comboButtonImage(), 15, 18);
    for (int y = 0; y < 18; ++y) {
        EXPECT_EQ(image.pixel(0, y), 0x00D1A04Eu) << "row " << y;
        EXPECT_EQ(image.pixel(4, y), 0x00D1A04Eu) << "row " << y;
        const COLORREF side = coloursIn(kHotFace[y][0])[0], middle = coloursIn(kHotFace[y][1])[0];
        EXPECT_EQ(hex(image.pixel(1, y)), hex(side)) << "row " << y;
        EXPECT_EQ(hex(image.pixel(2, y)), hex(middle)) << "row " << y;
        EXPECT_EQ(image.pixel(3, y), image.pixel(1, y)) << "row " << y;
        EXPECT_EQ(image.pixel(7, y), image.pixel(5, y)) << "row " << y;
    }
    // The pressed face's own rows, columns 5..7.
    const struct { int row; const char* colours; } pressed[] = {
        {0, "0x00F3E1BE 0x00F3E1BE 0x00F3E1BE"},
        {1, "0x00F3E1C0 0x00E2B561 0x00F3E1C0"},
        {17, "0x00FEF8E6 0x00FEF8E6 0x00FEF8E6"},
    };
    for (const auto& row : pressed)
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(hex(image.pixel(5 + i, row.row)), hex(coloursIn(row.colours)[i])) << "row " << row.row;
}

TEST_F(ComboButton, PressedFaceIsTheHotOneUpsideDown)
{
    const Dib image = readImage(skin::comboButtonImage(), 15, 18);
    for (int y = 2; y <= 16; ++y)
        for (int dx = 0; dx < 3; ++dx)
            EXPECT_EQ(hex(image.pixel(5 + dx, y)), hex(image.pixel(1 + dx, 18 - y))) << "row " << y;
}

TEST_F(ComboButton, ArrowsAreSixteenPixelTrianglesOnTheKeyColour)
{
    const Dib image = readImage(skin::comboButtonImage(), 15, 18);
    const COLORREF arrows[2] = {0x005F5519, 0x00ACA584};
    int counted[2] = {0, 0};
    for (int y = 0; y < 18; ++y)
        for (int x = 8; x < 15; ++x) {
            const int cell = y / 4, cx = x - 8, cy = y % 4;
            const bool inTriangle = cell < 2 && cx >= cy && cx <= 6 - cy;
            if (inTriangle)
                ++counted[cell];
            EXPECT_EQ(hex(image.pixel(x, y)), hex(inTriangle ? arrows[cell] : kKey)) << x << "," << y;
        }
    EXPECT_EQ(counted[0], 16);
    EXPECT_EQ(counted[1], 16);
}

// Header columns 0..8, rows 0..18 as listed; within 2 units between.
const char* const kHeaderColumns[9] = {
    "0: 0x00FEF5EA; 1: 0x00FEF4E9; 8: 0x00FDF7F1; 10: 0x00FBF4ED; 16: 0x00F6E6D5; 18: 0x00F6E5D3",
    "0: 0x00FEF5EA; 8: 0x00FAECDD; 9: 0x00F6E5D3; 18: 0x00F6E5D3",
    "0: 0x00FEF5EA; 1: 0x00FEF4E9; 3: 0x00F7E8D6; 4: 0x00EFD9BC; 7: 0x00E2BF94; 8: 0x00DCB582; 9: 0x00D9B07A; "
    "11: 0x00DAB27D; 15: 0x00EACFAF; 16: 0x00F1DCC4; 18: 0x00F6E5D3",
    "0: 0x00FDE6BD; 3: 0x00FBCB77; 4: 0x00FAC565; 5: 0x00FAC25E; 17: 0x00FAC25E; 18: 0x00FBCC73",
    "0: 0x00FEEED3; 1: 0x00FFEFD6; 8: 0x00FEE7BD; 9: 0x00FDE1AF; 15: 0x00FDE1AF; 18: 0x00FCDDA8",
    "0: 0x00FDE6BD; 1: 0x00FCDEA7; 2: 0x00F9D18B; 4: 0x00EDB85B; 5: 0x00EAB154; 8: 0x00DCA34C; 11: 0x00DCA34C; "
    "17: 0x00F7C05C; 18: 0x00FBCC73",
    "0: 0x00FBD797; 2: 0x00FAC566; 3: 0x00FAC25E; 12: 0x00FAC25E; 14: 0x00FBCA6F; 18: 0x00FDE3A8",
    "0: 0x00FBD797; 1: 0x00FFDC9F; 2: 0x00FFDDA0; 13: 0x00FFEDBC; 15: 0x00FFF2C5; 18: 0x00FFF2C8",
    "0: 0x00FBD797; 2: 0x00F7C364; 4: 0x00EDB556; 8: 0x00DCA34C; 11: 0x00DCA34C; 13: 0x00E5AD55; 15: 0x00EEBF6D; "
    "16: 0x00F6CF83; 18: 0x00FDE3A8",
};

TEST_F(HeaderItems, ColumnsAreGradientsOverTheUnderline)
{
    const Dib image = readImage(skin::headerItemImage(), 9, 20);
    for (int x = 0; x < 9; ++x) {
        expectGradient(image, x, 0, kHeaderColumns[x], 2, "header");
        EXPECT_EQ(hex(image.pixel(x, 19)), hex(0x00F2DAC0)) << "column " << x;
    }
}

} // namespace
