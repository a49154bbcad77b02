// The five images read back pixel by pixel: listed colours exactly, blends
// within their tolerance of the straight line, the stated symmetries; and the
// set as a whole, rebuilt identically and shown enlarged for a person.
#include "image_expect.h"

#include <cmath>

using namespace qmtest;

namespace {

using ImagePixels = SkinImageTest;

// A column listed as "row:colour ...": exact at the listed rows, each channel
// within `tolerance` of the straight line between neighbours elsewhere.
void expectBlend(const Dib& image, int x, int top, const std::string& listed, double tolerance)
{
    std::istringstream in(listed);
    int lastRow = -1;
    COLORREF last = 0;
    for (std::string token; in >> token;) {
        const int row = std::stoi(token);
        const COLORREF colour = coloursIn(token.substr(token.find(':') + 1))[0];
        EXPECT_EQ(hex(image.pixel(x, top + row)), hex(colour)) << "column " << x << " row " << row;
        for (int y = lastRow + 1; lastRow >= 0 && y < row; ++y)
            for (int shift = 0; shift < 24; shift += 8) {
                const double a = (last >> shift) & 0xFF, b = (colour >> shift) & 0xFF;
                const double c = (image.pixel(x, top + y) >> shift) & 0xFF;
                EXPECT_LE(std::fabs(c - a - (b - a) * (y - lastRow) / (row - lastRow)), tolerance)
                    << "column " << x << " row " << y << " is " << hex(image.pixel(x, top + y));
            }
        lastRow = row, last = colour;
    }
}

TEST_F(ImagePixels, ButtonFaces)
{
    const Dib image = readImage(skin::buttonFaceImage(), 7, 84);
    // Listed rows, columns 0..6, of the tiles named; "/" is the next row.
    const struct { const char* tiles; int row; const char* colours; } rows[] = {
        {"012", 0, "F9E1BF E3B36B D8972C D58F1B D8972C E3B36B F9E1BF"},
        {"012", 20, "FBE7CA E1AE60 D8962A D58F1B D8962A E1AE60 FBE7CA"},
        {"3", 0, "FBF7F2 EFD5AF EAC78F E8C387 EAC78F EFD5AF FBF7F2"},
        {"3", 20, "FBF6F2 EED2A9 EAC68E E8C387 EAC68E EED2A9 FBF6F2"},
        {"0", 1, "E2B269 E7C07E FBF3E7 FFFFFF FBF3E7 E7C07E E2B269 / D79529 FCF6EC FFFFFF FFFFFF FFFFFF FCF6EC D79529"},
        {"0", 18, "D79528 EED7BA ECD6BB E9CFB0 ECD5BB EED7BA D79528 / E2B064 E1B268 EED8BB F1E0CC EED8BB E1B268 E1AF62"},
        {"1", 1, "E2B269 E6A328 F8BB3C FBC34C F8BB3C E6A328 E2B269 / D79529 F9BC3D FEDA8D FFEDC6 FEDA8D F9BC3D D79529"},
        {"1", 18, "D79528 F6B633 F7C970 F3D299 F7CA71 F6B635 D79528 / E2B064 E5A125 F6B533 F8BB3F F6B633 E5A124 E1AF62"},
        {"2", 1, "E2B269 E6A122 F8B530 FBBC39 F7B52F E6A123 E2B269 / D79529 F8B62E F8C96F F3CC86 F8C86D F7B52C D79529"},
        {"2", 18, "D79528 FAB936 FED786 FDE4AE FED788 FABA36 D79528 / E2B064 E6A325 F9BA37 FDC140 F9BA37 E6A325 E1AF62"},
        {"3", 1, "EFD5AE F1DCB8 FBF5ED FDFBF8 FBF5ED F1DCB8 EFD5AE / E9C68E FBF7EF FDFBF8 FDFBF8 FDFBF8 FBF7EF E9C68E"},
        {"3", 18, "E9C68D F5E7D6 F4E6D7 F2E3D1 F4E6D7 F5E7D6 E9C68D / EFD3AB EED4AD F5E7D7 F6EBDF F5E7D7 EED4AD EED3AA"},
    };
    Pixels p;
    for (const auto& row : rows)
        for (const char* tile = row.tiles; *tile; ++tile)
            put(p, 0, 21 * (*tile - '0') + row.row, row.colours);
    for (int tile = 0; tile < 4; ++tile) // the side columns, rows 3..17
        for (int x : {0, 6})
            put(p, x, 21 * tile + 3, tile < 3 ? "D58F1B*15" : "E8C387*15", 0, 1);
    expectPixels(image, p, "button face");

    // Body columns: two stacked blends, tiles 0 and 3 within 2 units of the line, 1 and 2 within 5.
    const struct { int tile; std::vector<int> columns; const char* listed; } body[] = {
        {0, {1, 5}, "3:FDFAF5 10:FBF0E3 11:F8EBDB 17:F0DEC9"},
        {0, {2, 3, 4}, "3:FCF8F1 10:F9EAD7 11:F5E2CC 17:EAD0B1"},
        {1, {1, 5}, "3:FBC146 5:FBC34C 10:FBC24A 11:FABF46 14:F8BD42 17:F8BA39"},
        {1, {2}, "3:FDE3AE 5:FDE8C0 10:FCE4B9 11:F9DDAE 14:F4D6A2 17:F5D08F"},
        {1, {3}, "3:FCEED2 5:FCF2E4 10:FBEDD9 11:F7E4CB 14:F2DBBC 17:F2D4A7"},
        {2, {1, 5}, "3:F9B731 4:F9B835 10:FBBD3F 11:FCBF42 15:FCC144 17:FCBF3E"},
        {2, {2}, "3:F2CA83 4:F2CC8D 10:F8DAAA 11:FBE2B5 15:FCE6BD 17:FEE4AE"},
        {2, {3}, "3:F3D49F 4:F3D7AB 10:F9E4C5 11:FBEBCF 15:FCEFD6 17:FDEAC3"},
        {3, {1, 5}, "3:FCF8F3 10:FBF4EB 11:FAF1E7 17:F6EADE"},
        {3, {2, 3, 4}, "3:FBF7F2 10:FAF1E5 11:F8EDDF 17:F3E3D2"},
    };
    for (const auto& c : body)
        for (int x : c.columns)
            expectBlend(image, x, 21 * c.tile, c.listed, c.tile % 3 == 0 ? 2 : 5);

    // Mirror symmetric within 2 units; beside the hot and pressed middle highlight within 7.
    for (int y = 0; y < 84; ++y)
        for (int x = 0; x < 3; ++x) {
            const bool highlight = (y / 21 == 1 || y / 21 == 2) && x == 2 && y % 21 >= 3 && y % 21 <= 17;
            EXPECT_TRUE(colourNear(image.pixel(x, y), image.pixel(6 - x, y), highlight ? 7 : 2)) << x << "," << y;
        }
}

TEST_F(ImagePixels, ComboButtonFacesAndArrows)
{
    const Dib image = readImage(skin::comboButtonImage(), 15, 18);
    Pixels p;
    // Columns 0 and 4, then the hot face's columns 1 (= 3) and 2, rows 0..17.
    for (int x : {0, 4})
        put(p, x, 0, "D1A04E*18", 0, 1);
    put(p, 1, 0, "FFF9E8 FEF8E6 FEF7E4 FDF6E2 FDF5E0 FCF3DE FBF1DB FAF0D9 F9EED6 "
                 "F9EDD3 F8EBD0 F7E9CD F7E8CB F6E7C8 F5E5C6 F5E4C3 F4E3C1 F3E1C0", 0, 1);
    put(p, 2, 0, "FFF9E8 FDEEC1 FCEBBC FAE8B7 F9E5B2 F7E1AC F5DDA5 F3D99F F1D598 "
                 "EFD191 EECD8A ECC983 EAC57C E8C276 E6BE70 E5BB6A E3B865 F3E1C0", 0, 1);
    // The pressed face's own rows, columns 5..7.
    put(p, 5, 0, "F3E1BE*3 / F3E1C0 E2B561 F3E1C0");
    put(p, 5, 17, "FEF8E6*3");
    // Two 16-pixel arrows, enabled and disabled, on the key colour.
    for (int y = 0; y < 18; ++y)
        for (int x = 8; x < 15; ++x)
            p[{x, y}] = y < 8 && x - 8 >= y % 4 && x - 8 <= 6 - y % 4 ? (y < 4 ? 0x005F5519 : 0x00ACA584) : kKey;
    expectPixels(image, p, "combo button");
    EXPECT_EQ(std::count_if(p.begin(), p.end(), [](const auto& e) { return e.second == 0x005F5519; }), 16);
    for (int y = 0; y < 18; ++y) {
        EXPECT_EQ(image.pixel(3, y), image.pixel(1, y)) << "row " << y;
        EXPECT_EQ(image.pixel(7, y), image.pixel(5, y)) << "row " << y;
        for (int dx = 0; y >= 2 && y <= 16 && dx < 3; ++dx) // pressed = hot upside down
            EXPECT_EQ(hex(image.pixel(5 + dx, y)), hex(image.pixel(1 + dx, 18 - y))) << "row " << y;
    }
}

TEST_F(ImagePixels, HeaderItemColumnsAreBlendsOverTheUnderline)
{
    const char* const columns[9] = {
        "0:FEF5EA 1:FEF4E9 8:FDF7F1 10:FBF4ED 16:F6E6D5 18:F6E5D3",
        "0:FEF5EA 8:FAECDD 9:F6E5D3 18:F6E5D3",
        "0:FEF5EA 1:FEF4E9 3:F7E8D6 4:EFD9BC 7:E2BF94 8:DCB582 9:D9B07A 11:DAB27D "
        "15:EACFAF 16:F1DCC4 18:F6E5D3",
        "0:FDE6BD 3:FBCB77 4:FAC565 5:FAC25E 17:FAC25E 18:FBCC73",
        "0:FEEED3 1:FFEFD6 8:FEE7BD 9:FDE1AF 15:FDE1AF 18:FCDDA8",
        "0:FDE6BD 1:FCDEA7 2:F9D18B 4:EDB85B 5:EAB154 8:DCA34C 11:DCA34C 17:F7C05C "
        "18:FBCC73",
        "0:FBD797 2:FAC566 3:FAC25E 12:FAC25E 14:FBCA6F 18:FDE3A8",
        "0:FBD797 1:FFDC9F 2:FFDDA0 13:FFEDBC 15:FFF2C5 18:FFF2C8",
        "0:FBD797 2:F7C364 4:EDB556 8:DCA34C 11:DCA34C 13:E5AD55 15:EEBF6D 16:F6CF83 "
        "18:FDE3A8",
    };
    const Dib image = readImage(skin::headerItemImage(), 9, 20);
    for (int x = 0; x < 9; ++x) {
        expectBlend(image, x, 0, columns[x], 2);
        EXPECT_EQ(hex(image.pixel(x, 19)), hex(0x00F2DAC0)) << "column " << x;
    }
}

TEST_F(ImagePixels, MarkGlyphsEveryPixel)
{
    // Runs of the enabled glyphs, repeated 9 columns on in the disabled colours: check mark, indeterminate square, dot.
    const struct { int x, y; const char *enabled, *disabled; } runs[] = {
        {8, 0, "1DB754", "8CDAA8"}, {7, 1, "1BB451*2", "8BD9A6*2"}, {6, 2, "17AF4D*3", "89D6A4*3"},
        {0, 3, "13A948*2", "87D3A2*2"}, {5, 3, "13A948*3", "87D3A2*3"}, {0, 4, "0FA243*3", "85D09F*3"},
        {4, 4, "0FA243*3", "85D09F*3"}, {1, 5, "0A9C3E*5", "82CD9D*5"}, {2, 6, "069639*3", "80C99A*3"},
        {3, 7, "029135", "7EC798"},
        {1, 9, "1BB451*7 / 18B04E*7 / 14AB49*7 / 10A445*7 / 0C9E40*7 / 07983B*7 / 069639*7",
         "8BD9A6*7 / 89D6A4*7 / 87D4A3*7 / 86D1A0*7 / 83CE9E*7 / 81CA9B*7 / 80C99A*7"},
        {3, 18, "60CC87 28BA5C 60CC87", "AFE5C3 93DCAD AFE5C3"},
        {2, 19, "5EC883 19B14F*3 5EC883 / 1DAC50 12A847*3 1DAC50 / 54BA78 0B9D3F*3 54BA78",
         "AEE3C1 8CD8A7*3 AEE3C1 / 8ED5A7 88D3A3*3 8ED5A7 / A9DCBB 85CE9F*3 A9DCBB"},
        {3, 22, "4FB473 109940 4FB473", "A7D9B9 87CC9F A7D9B9"},
    };
    Pixels p; // everything else, rows 8, 16, 17 and 23 whole, is the key colour
    for (int y = 0; y < 24; ++y)
        put(p, 0, y, "FF00FF*18");
    for (const auto& run : runs) {
        put(p, run.x, run.y, run.enabled);
        put(p, run.x + 9, run.y, run.disabled);
    }
    expectPixels(readImage(skin::markGlyphImage(), 18, 24), p, "mark glyph");
}

// A bubble tile pixel's role, from its distance to the nearest corner.
enum Role { outside, ring, smoothing, face };
Role role(int x, int y)
{
    const int d = std::min(x, 12 - x) + std::min(y, 12 - y);
    return d < 3 ? outside : d == 3 || x % 12 == 0 || y % 12 == 0 ? ring : d == 4 ? smoothing : face;
}

TEST_F(ImagePixels, OptionBubbles)
{
    // Per tile: top ring row x 3..9, the ring's corner diagonal, the smoothing
    // pixels (3,1) (9,1) (2,2) (10,2) (1,3) (11,3) (1,9) (11,9) (2,10) (10,10) (3,11) (9,11).
    const struct { const char *ring, *diagonal, *smoothing; } tiles[4] = {
        {"E7CFBC D9B395 D3A886 D2A683 D3A886 D9B395 E7CFBC", "DBB89D",
         "DFC2A9*2 E5CEB9*2 DFC2A9*2 E3C8B3*2 ECD9CA*2 E5CAB6*2"},
        {"E7CFBC D9B395 D3A886 D2A683 D3A886 D9B395 E7CFBC", "DBB89D",
         "DFC2A9*2 E5CEB9*2 DFC2A9*2 E3C8B3*2 ECD9CA*2 E5CAB6*2"},
        {"DDBCA4 CA9976 C28B67 C18964 C28B67 CA9976 DDBCA4", "CD9F7F",
         "D3AC8C D8B399 DABBA0 E5CAB5 D3AC8C DAB59C D3AC8C DAB59C DABBA0 E5CAB5 "
         "D3AC8C D8B399"},
        {"F3E7DD ECD9CA E9D3C2 E8D2C1 E9D3C2 ECD9CA F3E7DD", "EDDBCE",
         "EFE0D4*2 F2E6DC*2 EFE0D4*2 F1E3D9*2 F5ECE4*2 F2E4DA*2"},
    };
    const int smoothed[12][2] = {{3, 1}, {9, 1}, {2, 2}, {10, 2}, {1, 3}, {11, 3}, {1, 9}, {11, 9}, {2, 10}, {10, 10}, {3, 11}, {9, 11}};
    // The white faces of tiles 0 and 3: a shadow listed from the left, mirrored onto the right.
    const struct { int y, x; const char* colours[2]; } shadows[] = {
        {1, 4, {"ECDFD1 F0E7DD F1E9DF", "F5EFE8 F7F3EE F8F4EF"}},
        {2, 3, {"F3ECE3 F4EDE5 F4EEE7*2", "F9F5F1 F9F6F2 F9F6F3*2"}},
        {3, 2, {"F4EDE5 F7F2ED FAF7F3 FBF9F7*2", "F9F6F2 FBF8F6 FCFBF9 FDFCFB*2"}},
        {4, 1, {"EFE2D6 F8F4EF FCFBF9 / F6F0EB FCFBF9 FFFEFE / FAF7F3 FEFEFD / FAF7F4 / F5EDE6",
                "F7F0EA FBF9F7 FDFDFC FEFEFE / FAF7F5 FDFDFC FFFEFE / FCFBF9 FEFEFE / FCFBF9 / FAF6F2"}},
        {11, 4, {"F8F2ED FEFDFC", "FBF8F6 FEFEFD"}},
    };
    const Dib image = readImage(skin::optionBubbleImage(), 13, 52);
    Pixels p;
    int keyPixels = 0;
    for (int tile = 0, top = 0; tile < 4; ++tile, top += 13) {
        const bool white = tile == 0 || tile == 3;
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x) {
                const Role r = role(x, y);
                keyPixels += r == outside && tile == 0;
                if (r == outside || (r == ring && x % 12 && y % 12) || (r == face && white))
                    p[{x, top + y}] = r == outside ? kKey : r == ring ? coloursIn(tiles[tile].diagonal)[0] : skin::kWhite;
                if (r == outside || r == ring) { // a quarter turn maps them onto themselves
                    EXPECT_EQ(hex(image.pixel(x, top + y)), hex(image.pixel(12 - y, top + x))) << tile << ": " << x << "," << y;
                }
            }
        put(p, 3, top, tiles[tile].ring);
        for (int i = 0; i < 12; ++i)
            p[{smoothed[i][0], top + smoothed[i][1]}] = coloursIn(tiles[tile].smoothing)[i];
        for (const auto& s : shadows)
            if (white)
                put(p, s.x, top + s.y, s.colours[tile / 3]), put(p, 12 - s.x, top + s.y, s.colours[tile / 3], -1);
    }
    EXPECT_EQ(keyPixels, 24);
    expectPixels(image, p, "option bubble");

    // Hot faces blend by x + y (5..7 share one) within 2; pressed ones by x - y (-7..-5 share one) within 3.
    const auto hot = coloursIn("F8EAC3*3 F8EBC5 F9ECC6 F9ECC9 F9EDCB FAEFCE FBF0D1 FBF1D4 "
                               "FBF2D8 FBF3DA FCF4DC FCF4DE FDF5E0");
    const auto pressed = coloursIn("F5E1AD*3 F5E2B0 F7E5B2 F7E6B4 F7E6B8 F8E8BC F9EABF F8ECC3 "
                                   "F9EDC8 F9EECC FAEFCE FAEFD1 FAF1D5");
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            if (role(x, y) == face) {
                EXPECT_TRUE(colourNear(image.pixel(x, 13 + y), hot[x + y - 5], 2)) << x << "," << y << " hot";
                EXPECT_TRUE(colourNear(image.pixel(x, 26 + y), pressed[x - y + 7], 3)) << x << "," << y << " pressed";
            }
}

} // namespace
