// What the image code owns: the image set and surfaces in the display's
// format, released completely; no GDI objects left behind; the caller's
// contexts left as found.
#include "image_expect.h"
#include "skin/images/rect.h"
#include "skin/images/surface.h"
#include "skin/images/transparent.h"
#include "support/gdi_count.h"

#include <cstdint>
#include <functional>

using namespace qmtest;

namespace {

const struct ImageInfo {
    const char* name;
    HDC (*dc)() noexcept;
    int width, height;
} kImages[5] = {{"buttonFace", skin::buttonFaceImage, 7, 84}, {"comboButton", skin::comboButtonImage, 15, 18},
                {"markGlyph", skin::markGlyphImage, 18, 24}, {"optionBubble", skin::optionBubbleImage, 13, 52},
                {"headerItem", skin::headerItemImage, 9, 20}};

// Checks that `dc` is a memory context holding a display-format bitmap of the given size; returns the bitmap.
HGDIOBJ expectSurface(HDC dc, int width, int height, const char* what)
{
    HDC screen = GetDC(nullptr);
    const int displayBits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    BITMAP bm{};
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    EXPECT_EQ(GetObjectType(dc), DWORD(OBJ_MEMDC)) << what;
    EXPECT_TRUE(GetObjectW(bitmap, sizeof bm, &bm)) << what;
    EXPECT_EQ((std::vector<int>{bm.bmWidth, bm.bmHeight, bm.bmBitsPixel}), (std::vector{width, height, displayBits})) << what;
    return bitmap;
}

TEST(ImageSet, PicturedReleasedCompletelyAndRebuiltWithTheSamePixels)
{
    skin::buildSkinImages();
    std::vector<Dib> first;
    Dib sheet(74, 88, 0x00808080); // the five images side by side, for a person to look at
    for (int i = 0, x = 2; i < 5; x += kImages[i++].width + 2) {
        first.push_back(readImage(kImages[i].dc(), kImages[i].width, kImages[i].height));
        BitBlt(sheet.dc(), x, 2, kImages[i].width, kImages[i].height, kImages[i].dc(), 0, 0, SRCCOPY);
    }
    EXPECT_FALSE(savePng(sheet, L"skin_images", 8).empty());
    std::vector<HGDIOBJ> handles;
    const auto record = [&handles] {
        for (const ImageInfo& image : kImages)
            handles.insert(handles.end(), {image.dc(), expectSurface(image.dc(), image.width, image.height, image.name)});
    };
    record();
    skin::buildSkinImages(); // over the built set, which it replaces
    record();
    skin::releaseSkinImages();
    skin::releaseSkinImages(); // a second release is harmless
    for (HGDIOBJ h : handles)
        EXPECT_EQ(GetObjectType(h), 0u);
    skin::buildSkinImages();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(samePixels(first[i], readImage(kImages[i].dc(), kImages[i].width, kImages[i].height))) << kImages[i].name;
    skin::releaseSkinImages();
    EXPECT_EQ(skin::buttonFaceImage(), nullptr);
}

TEST(Surface, HoldsADisplayFormatBitmapAndReleasesBoth)
{
    for (auto [w, h] : {std::pair{0, 4}, std::pair{4, 0}, std::pair{-3, 4}})
        EXPECT_FALSE(skin::createMemorySurface(w, h)) << w << "x" << h;
    skin::Surface surface = skin::createMemorySurface(5, 4), other = skin::createMemorySurface(2, 2);
    const HDC dc = surface.dc(), otherDc = other.dc();
    const HBITMAP bitmap = surface.bitmap(), otherBitmap = other.bitmap();
    EXPECT_EQ(expectSurface(dc, 5, 4, "surface"), bitmap);
    other = std::move(surface); // the surface moved over is released, the moved one kept
    EXPECT_FALSE(surface);
    EXPECT_EQ(other.dc(), dc);
    EXPECT_EQ(GetObjectType(otherDc) | GetObjectType(otherBitmap), 0u);
    EXPECT_EQ(GetObjectType(dc), DWORD(OBJ_MEMDC));
    other.reset();
    EXPECT_FALSE(other);
    EXPECT_EQ(GetObjectType(dc) | GetObjectType(bitmap), 0u);
    HDC fresh = CreateCompatibleDC(nullptr); // the system's own bitmap survives
    EXPECT_EQ(GetObjectType(GetCurrentObject(fresh, OBJ_BITMAP)), DWORD(OBJ_BITMAP));
    DeleteDC(fresh);
}

// Every drawing function, called from the caller's dest and src contexts.
const struct Call {
    const char* name;
    int times;
    std::function<void(HDC, HDC)> draw;
} kCalls[] = {
    {"fillSolidRect", 10000, [](HDC dc, HDC) { skin::fillSolidRect(dc, 1, 1, 11, 11, 0x000000FF); }},
    {"frameSolidRect", 10000, [](HDC dc, HDC) { skin::frameSolidRect(dc, 0, 0, 13, 13, 0x000000FF); }},
    {"drawTransparent", 10000, [](HDC dc, HDC src) { skin::drawTransparent(dc, 1, 1, 13, 13, src, 0, 0, kKey); }},
    {"drawImagePart", 10000, [](HDC dc, HDC src) { skin::drawImagePart(dc, 0, 0, 30, 30, src, 0, 0, 13, 13, 5, 5, 5, 5); }},
    {"drawImagePartTransparent", 10000,
     [](HDC dc, HDC src) { skin::drawImagePart(dc, 0, 0, 20, 20, src, 0, 0, 13, 13, 5, 5, 5, 5, kKey); }},
    {"createMemorySurface", 10000, [](HDC, HDC) { skin::Surface s = skin::createMemorySurface(16, 16); }},
    {"buildSkinImages", 100, [](HDC, HDC) { skin::buildSkinImages(); }}, // over the built set, which it replaces
};

void PrintTo(const Call& call, std::ostream* out) { *out << call.name; }

class Resources : public SkinImageTest, public ::testing::WithParamInterface<Call> {};

// Objects are counted as live rows of the process's GDI handle table
// (GetGuiResources on Windows), after a warm-up so objects the system makes
// once are not leaks. The contexts handed in keep their objects and modes.
TEST_P(Resources, RepeatedCallsLeaveNoGdiObjectsAndTheContextsAsFound)
{
    Dib dest(40, 40), src(13, 13, kKey);
    BitBlt(src.dc(), 0, 0, 13, 13, skin::optionBubbleImage(), 0, 0, SRCCOPY);
    const HGDIOBJ objects[3] = {CreateSolidBrush(0x00123123), CreatePen(PS_SOLID, 1, 0x00321321),
                                CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma")};
    const auto state = [](HDC dc) {
        std::vector<std::intptr_t> s{GetTextColor(dc), GetBkColor(dc), GetBkMode(dc), GetStretchBltMode(dc), GetROP2(dc)};
        for (UINT type : {OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN, OBJ_FONT, OBJ_PAL})
            s.push_back(std::intptr_t(GetCurrentObject(dc, type)));
        return s;
    };
    for (HDC dc : {dest.dc(), src.dc()}) {
        for (HGDIOBJ object : objects)
            SelectObject(dc, object);
        SetTextColor(dc, 0x00010203), SetBkColor(dc, 0x00040506), SetBkMode(dc, TRANSPARENT);
        SetStretchBltMode(dc, HALFTONE), SetROP2(dc, R2_XORPEN);
    }
    const auto destBefore = state(dest.dc()), srcBefore = state(src.dc());
    for (int i = 0; i < 20; ++i)
        GetParam().draw(dest.dc(), src.dc());
    const int before = liveGdiObjects();
    ASSERT_GT(before, 0);
    for (int i = 0; i < GetParam().times; ++i)
        GetParam().draw(dest.dc(), src.dc());
    EXPECT_EQ(liveGdiObjects(), before);
    EXPECT_EQ(state(dest.dc()), destBefore);
    EXPECT_EQ(state(src.dc()), srcBefore);
    for (HDC dc : {dest.dc(), src.dc()})
        for (int stock : {WHITE_BRUSH, BLACK_PEN, SYSTEM_FONT})
            SelectObject(dc, GetStockObject(stock));
    for (HGDIOBJ object : objects)
        DeleteObject(object);
}

INSTANTIATE_TEST_SUITE_P(Functions, Resources, ::testing::ValuesIn(kCalls),
                         [](const ::testing::TestParamInfo<Call>& param) { return std::string(param.param.name); });

} // namespace
