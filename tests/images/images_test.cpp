// The five images and the drawing functions, whole pictures against their
// goldens, and no GDI object left behind.
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/images/transparent.h"
#include "support/gdi_count.h"
#include "support/pixels.h"

using namespace qmtest;

namespace {

constexpr COLORREF kKey = 0x00FF00FF;

TEST(Images, MatchTheirGoldensInDisplayFormatSurfaces)
{
    const struct { const wchar_t* name; HDC (*dc)() noexcept; } images[] = {
        {L"button-face", skin::buttonFaceImage}, {L"combo-button", skin::comboButtonImage},
        {L"mark-glyph", skin::markGlyphImage}, {L"option-bubble", skin::optionBubbleImage},
        {L"header-item", skin::headerItemImage}};
    for (int round = 0; round < 2; ++round) { // built over a built set, which it replaces
        skin::buildSkinImages();
        for (const auto& image : images) {
            const HGDIOBJ bitmap = GetCurrentObject(image.dc(), OBJ_BITMAP);
            BITMAP bm{};
            GetObjectW(bitmap, sizeof bm, &bm);
            EXPECT_EQ(bm.bmBitsPixel, 32);
            EXPECT_TRUE(matchesGolden(captureDc(image.dc(), 0, 0, bm.bmWidth, bm.bmHeight), image.name));
        }
    }
    skin::releaseSkinImages();
    skin::releaseSkinImages(); // a second release is harmless
    EXPECT_EQ(skin::buttonFaceImage(), nullptr);
}

// Every drawing function on one sheet: solid rectangles, the transparent blit
// over a pattern, nine-slice drawing wide, from thin slices, with a
// transparent colour, and at sizes smaller than its margins or empty. Drawn
// twice: the second time makes no GDI object.
TEST(Drawing, EveryFunctionMatchesItsGoldenAndLeavesNoObjects)
{
    skin::buildSkinImages();
    for (int round = 0; round < 2; ++round) {
        Dib sheet(240, 120);
        for (int y = 0; y < 40; ++y) // a pattern under the transparent blits: every pixel differs
            for (int x = 0; x < 240; ++x)
                sheet.setPixel(x, y, RGB(x, 6 * y, 77));
        Dib keyed(4, 1); // a system colour as the key: that colour's value, and magenta only as itself
        for (int x = 0; x < 4; ++x)
            keyed.setPixel(x, 0, x == 3 ? kKey : x == 1 ? GetSysColor(COLOR_WINDOW) ^ 0x404040 : GetSysColor(COLOR_WINDOW));
        HDC dc = sheet.dc();
        const int objects = liveGdiObjects();
        EXPECT_NE(skin::fillSolidRect(dc, 1, 1, 11, 11, 0x000000FF), 0);
        EXPECT_NE(skin::frameSolidRect(dc, 14, 0, 13, 13, 0x000000FF), 0);
        for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}}) {
            skin::fillSolidRect(dc, 1, 20, w, h, 0);
            skin::frameSolidRect(dc, 1, 20, w, h, 0);
        }
        skin::drawTransparent(dc, 30, 0, 7, 21, skin::buttonFaceImage(), 0, 21, kKey);
        skin::drawTransparent(dc, 40, 0, 7, 18, skin::comboButtonImage(), 8, 0, kKey);
        skin::drawTransparent(dc, 50, 0, 18, 24, skin::markGlyphImage(), 0, 0, kKey);
        skin::drawTransparent(dc, 70, 0, 13, 52, skin::optionBubbleImage(), 0, 0, COLOR_WINDOW | 0x80000000);
        skin::drawTransparent(dc, 90, 30, 4, 1, keyed.dc(), 0, 0, COLOR_WINDOW | 0x80000000);
        EXPECT_NE(skin::drawImagePart(dc, 100, 0, 75, 23, skin::buttonFaceImage(), 0, 0, 7, 21, 3, 3, 3, 3), 0);
        skin::drawImagePart(dc, 100, 25, 40, 20, skin::headerItemImage(), 3, 0, 3, 20, 1, 1, 1, 1);
        skin::drawImagePart(dc, 140, 25, 40, 20, skin::headerItemImage(), 0, 0, 3, 20, 2, 2, 2, 2);
        EXPECT_EQ(skin::drawImagePart(dc, 0, 45, 20, 20, skin::optionBubbleImage(), 0, 13, 13, 13, 5, 5, 5, 5, kKey), 1);
        skin::drawImagePart(dc, 22, 45, 20, 20, skin::optionBubbleImage(), 0, 13, 13, 13, 5, 5, 5, 5);
        skin::drawImagePart(dc, 44, 45, 30, 50, skin::buttonFaceImage(), 0, 21, 7, 21, 0, 0, 0, 0);
        skin::drawImagePart(dc, 76, 45, 7, 21, skin::buttonFaceImage(), 0, 42, 7, 21, 3, 10, 4, 11);
        skin::drawImagePart(dc, 86, 45, 5, 9, skin::buttonFaceImage(), 0, 21, 7, 21, -2, -2, -2, -2);
        int x = 0;
        for (auto [W, H] : {std::pair{75, 4}, {4, 23}, {1, 1}, {5, 5}, {2, 40}, {6, 6}})
            for (auto colour : {std::optional<COLORREF>(), std::optional<COLORREF>(kKey)}) {
                EXPECT_NE(skin::drawImagePart(dc, x, 70, W, H, skin::buttonFaceImage(), 0, 0, 7, 21, 3, 3, 3, 3, colour), 0);
                x += W + 2;
            }
        for (auto [W, H, w, h] : {std::array{0, 10, 7, 21}, {10, 0, 7, 21}, {10, 10, 0, 21}, {10, 10, 7, 0}})
            EXPECT_EQ(skin::drawImagePart(dc, 0, 100, W, H, skin::buttonFaceImage(), 0, 0, w, h, 3, 3, 3, 3), 0);
        EXPECT_EQ(round == 0 ? objects : liveGdiObjects(), objects) << "the second round makes no object";
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH)) << "the context as found";
        EXPECT_TRUE(matchesGolden(sheet, L"drawing"));
    }
    skin::releaseSkinImages();
}

} // namespace
