// The five images and the drawing functions, whole pictures against their
// goldens; what the image code owns, released completely; the caller's
// contexts left as found.
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/images/transparent.h"
#include "support/gdi_count.h"
#include "support/pixels.h"

#include <cstdint>
#include <functional>

using namespace qmtest;

namespace {

constexpr COLORREF kKey = 0x00FF00FF;

const struct { const wchar_t* name; HDC (*dc)() noexcept; int width, height; } kImages[] = {
    {L"button-face", skin::buttonFaceImage, 7, 84}, {L"combo-button", skin::comboButtonImage, 15, 18},
    {L"mark-glyph", skin::markGlyphImage, 18, 24}, {L"option-bubble", skin::optionBubbleImage, 13, 52},
    {L"header-item", skin::headerItemImage, 9, 20}};

TEST(Images, MatchTheirGoldensInDisplayFormatSurfacesAndAreReleasedWhole)
{
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32) << "exact pixels need a true-colour display";
    ReleaseDC(nullptr, screen);
    std::vector<HGDIOBJ> handles;
    for (int round = 0; round < 2; ++round) { // built over a built set, which it replaces
        skin::buildSkinImages();
        Dib sheet(74, 88, 0x00808080); // side by side, enlarged, for a person to look at
        for (int x = 2; const auto& image : kImages) {
            EXPECT_TRUE(matchesGolden(captureDc(image.dc(), 0, 0, image.width, image.height), image.name));
            BITMAP bm{};
            const HGDIOBJ bitmap = GetCurrentObject(image.dc(), OBJ_BITMAP);
            GetObjectW(bitmap, sizeof bm, &bm);
            EXPECT_EQ(GetObjectType(image.dc()), DWORD(OBJ_MEMDC));
            EXPECT_EQ(std::tuple(bm.bmWidth, bm.bmHeight, bm.bmBitsPixel), std::tuple(image.width, image.height, WORD(32)));
            handles.insert(handles.end(), {image.dc(), bitmap});
            BitBlt(sheet.dc(), x, 2, image.width, image.height, image.dc(), 0, 0, SRCCOPY), x += image.width + 2;
        }
        savePng(sheet, L"skin_images", 8);
    }
    skin::releaseSkinImages();
    skin::releaseSkinImages(); // a second release is harmless
    for (HGDIOBJ h : handles)
        EXPECT_EQ(GetObjectType(h), 0u);
    EXPECT_EQ(skin::buttonFaceImage(), nullptr);
}

// Every drawing function on one sheet: solid rectangles, the transparent blit
// over a pattern, nine-slice drawing wide, from thin slices, with a
// transparent colour, and at sizes smaller than its margins or empty.
TEST(Drawing, EveryFunctionMatchesItsGolden)
{
    skin::buildSkinImages();
    Dib sheet(240, 120);
    for (int y = 0; y < 40; ++y) // a pattern under the transparent blits: every pixel differs
        for (int x = 0; x < 240; ++x)
            sheet.setPixel(x, y, RGB(x, 6 * y, 77));
    HDC dc = sheet.dc();
    EXPECT_NE(skin::fillSolidRect(dc, 1, 1, 11, 11, 0x000000FF), 0);
    EXPECT_NE(skin::frameSolidRect(dc, 14, 0, 13, 13, 0x000000FF), 0);
    for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}})
        skin::fillSolidRect(dc, 1, 20, w, h, 0), skin::frameSolidRect(dc, 1, 20, w, h, 0);
    skin::drawTransparent(dc, 30, 0, 7, 21, skin::buttonFaceImage(), 0, 21, kKey);
    skin::drawTransparent(dc, 40, 0, 7, 18, skin::comboButtonImage(), 8, 0, kKey);
    skin::drawTransparent(dc, 50, 0, 18, 24, skin::markGlyphImage(), 0, 0, kKey);
    skin::drawTransparent(dc, 70, 0, 13, 52, skin::optionBubbleImage(), 0, 0, COLOR_WINDOW | 0x80000000);
    Dib keyed(4, 1); // a system colour as the key: that colour's value, and magenta only as itself
    for (int x = 0; x < 4; ++x)
        keyed.setPixel(x, 0, x == 3 ? kKey : x == 1 ? GetSysColor(COLOR_WINDOW) ^ 0x404040 : GetSysColor(COLOR_WINDOW));
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
    EXPECT_TRUE(matchesGolden(sheet, L"drawing"));
    skin::releaseSkinImages();
}

TEST(Drawing, WindowBoundsAreTheOuterRectangleOrSixZeros)
{
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_BORDER, -30, 300, 75, 23, nullptr, nullptr, nullptr, nullptr);
    skin::WindowBounds b;
    const auto all = [&b] { return std::vector{b.left, b.top, b.right, b.bottom, b.width, b.height}; };
    EXPECT_NE(skin::getWindowBounds(hwnd, b), 0);
    EXPECT_EQ(all(), (std::vector{-30, 300, 45, 323, 75, 23}));
    DestroyWindow(hwnd);
    b = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(skin::getWindowBounds(hwnd, b), 0);
    EXPECT_EQ(all(), std::vector(6, 0));
}

TEST(Drawing, SurfacesReleaseBothObjectsAndMovesKeepOne)
{
    for (auto [w, h] : {std::pair{0, 4}, std::pair{-3, 4}})
        EXPECT_FALSE(skin::createMemorySurface(w, h)) << w << "x" << h;
    skin::Surface surface = skin::createMemorySurface(5, 4), other = skin::createMemorySurface(2, 2);
    const HDC dc = surface.dc(), otherDc = other.dc();
    const HBITMAP bitmap = surface.bitmap(), otherBitmap = other.bitmap();
    other = std::move(surface); // the surface moved over is released, the moved one kept
    EXPECT_EQ(GetObjectType(otherDc) | GetObjectType(otherBitmap), 0u);
    EXPECT_EQ(GetObjectType(dc), DWORD(OBJ_MEMDC));
    other.reset();
    EXPECT_EQ(GetObjectType(dc) | GetObjectType(bitmap), 0u);
}

// Repeated calls leave no GDI object behind (after a warm-up, so objects the
// system makes once are not counted), and both contexts keep their objects
// and modes.
TEST(Drawing, RepeatedCallsLeaveNoObjectsAndTheContextsAsFound)
{
    skin::buildSkinImages();
    const std::function<void(HDC, HDC)> calls[] = {
        [](HDC dc, HDC) { skin::fillSolidRect(dc, 1, 1, 11, 11, 0x000000FF); },
        [](HDC dc, HDC) { skin::frameSolidRect(dc, 0, 0, 13, 13, 0x000000FF); },
        [](HDC dc, HDC src) { skin::drawTransparent(dc, 1, 1, 13, 13, src, 0, 0, kKey); },
        [](HDC dc, HDC src) { skin::drawImagePart(dc, 0, 0, 30, 30, src, 0, 0, 13, 13, 5, 5, 5, 5); },
        [](HDC dc, HDC src) { skin::drawImagePart(dc, 0, 0, 20, 20, src, 0, 0, 13, 13, 5, 5, 5, 5, kKey); },
        [](HDC, HDC) { skin::Surface s = skin::createMemorySurface(16, 16); },
        [](HDC, HDC) { skin::buildSkinImages(); }};
    const auto state = [](HDC dc) {
        std::vector<std::intptr_t> s{GetTextColor(dc), GetBkColor(dc), GetBkMode(dc), GetStretchBltMode(dc), GetROP2(dc)};
        for (UINT type : {OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN, OBJ_FONT})
            s.push_back(std::intptr_t(GetCurrentObject(dc, type)));
        return s;
    };
    for (const auto& call : calls) {
        Dib dest(40, 40), src(13, 13, kKey);
        BitBlt(src.dc(), 0, 0, 13, 13, skin::optionBubbleImage(), 0, 0, SRCCOPY);
        const HGDIOBJ objects[3] = {CreateSolidBrush(0x00123123), CreatePen(PS_SOLID, 1, 0x00321321),
                                    CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma")};
        for (HDC dc : {dest.dc(), src.dc()}) {
            for (HGDIOBJ object : objects)
                SelectObject(dc, object);
            SetTextColor(dc, 0x00010203), SetBkColor(dc, 0x00040506), SetBkMode(dc, TRANSPARENT);
            SetStretchBltMode(dc, HALFTONE), SetROP2(dc, R2_XORPEN);
        }
        const auto destBefore = state(dest.dc()), srcBefore = state(src.dc());
        call(dest.dc(), src.dc());
        const int before = liveGdiObjects();
        for (int i = 0; i < 20; ++i)
            call(dest.dc(), src.dc());
        EXPECT_EQ(liveGdiObjects(), before) << &call - calls;
        EXPECT_EQ(state(dest.dc()), destBefore) << &call - calls;
        EXPECT_EQ(state(src.dc()), srcBefore) << &call - calls;
        for (HDC dc : {dest.dc(), src.dc()})
            for (int stock : {WHITE_BRUSH, BLACK_PEN, SYSTEM_FONT})
                SelectObject(dc, GetStockObject(stock));
        for (HGDIOBJ object : objects)
            DeleteObject(object);
    }
    skin::releaseSkinImages();
}

} // namespace
