// The drawing functions leave no GDI objects behind and leave the caller's
// contexts as they found them.
#include "image_expect.h"
#include "skin/images/rect.h"
#include "skin/images/surface.h"
#include "skin/images/transparent.h"
#include "support/gdi_count.h"

#include <functional>

using namespace qmtest;

namespace {

using DcHygiene = SkinImageTest;

constexpr COLORREF kKey = 0x00FF00FF;

struct Call {
    const char* name;
    std::function<void(HDC)> draw;
};

const Call kCalls[] = {
    {"fillSolidRect", [](HDC dc) { skin::fillSolidRect(dc, 1, 1, 11, 11, 0x000000FF); }},
    {"frameSolidRect", [](HDC dc) { skin::frameSolidRect(dc, 0, 0, 13, 13, 0x000000FF); }},
    {"drawTransparent", [](HDC dc) { skin::drawTransparent(dc, 2, 2, 7, 4, skin::comboButtonImage(), 8, 0, kKey); }},
    {"drawImagePart", [](HDC dc) {
         skin::drawImagePart(dc, 0, 0, 30, 23, skin::buttonFaceImage(), 0, 0, 7, 21, 3, 3, 3, 3);
     }},
    {"drawImagePartTransparent", [](HDC dc) {
         skin::drawImagePart(dc, 0, 0, 20, 20, skin::optionBubbleImage(), 0, 0, 13, 13, 5, 5, 5, 5, kKey);
     }},
    {"createMemorySurface", [](HDC) { skin::Surface s = skin::createMemorySurface(16, 16); }},
};

void PrintTo(const Call& call, std::ostream* out) { *out << call.name; }

class NoLeaks : public SkinImageTest, public ::testing::WithParamInterface<Call> {};

// The count is the number of live rows in the process's GDI handle table (or
// GetGuiResources on Windows), taken after a warm-up so that objects the
// system creates once on first use are not counted as leaks.
TEST_P(NoLeaks, TenThousandCallsLeaveTheGdiObjectCountUnchanged)
{
    Dib dest(32, 32);
    for (int i = 0; i < 20; ++i)
        GetParam().draw(dest.dc());
    const int before = liveGdiObjects();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 10000; ++i)
        GetParam().draw(dest.dc());
    EXPECT_EQ(liveGdiObjects(), before);
}

INSTANTIATE_TEST_SUITE_P(DrawingFunctions, NoLeaks, ::testing::ValuesIn(kCalls),
                         [](const ::testing::TestParamInfo<Call>& param) { return std::string(param.param.name); });

struct DcState {
    HGDIOBJ bitmap, brush, pen, font, palette;
    COLORREF text, back;
    int mode, stretch, rop2;

    explicit DcState(HDC dc)
        : bitmap(GetCurrentObject(dc, OBJ_BITMAP)), brush(GetCurrentObject(dc, OBJ_BRUSH)),
          pen(GetCurrentObject(dc, OBJ_PEN)), font(GetCurrentObject(dc, OBJ_FONT)),
          palette(GetCurrentObject(dc, OBJ_PAL)), text(GetTextColor(dc)), back(GetBkColor(dc)),
          mode(GetBkMode(dc)), stretch(GetStretchBltMode(dc)), rop2(GetROP2(dc)) {}
    bool operator==(const DcState&) const = default;
};

TEST_F(DcHygiene, CallersContextsKeepTheirObjectsAndColours)
{
    Dib dest(40, 40), src(13, 13, kKey);
    BitBlt(src.dc(), 0, 0, 13, 13, skin::optionBubbleImage(), 0, 0, SRCCOPY);
    HBRUSH brush = CreateSolidBrush(0x00123123);
    HPEN pen = CreatePen(PS_SOLID, 1, 0x00321321);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    for (HDC dc : {dest.dc(), src.dc()}) {
        SelectObject(dc, brush);
        SelectObject(dc, pen);
        SelectObject(dc, font);
        SetTextColor(dc, 0x00010203);
        SetBkColor(dc, 0x00040506);
        SetBkMode(dc, TRANSPARENT);
        SetStretchBltMode(dc, HALFTONE);
        SetROP2(dc, R2_XORPEN);
    }
    const DcState destBefore(dest.dc()), srcBefore(src.dc());

    skin::drawTransparent(dest.dc(), 1, 1, 13, 13, src.dc(), 0, 0, kKey);
    skin::drawImagePart(dest.dc(), 0, 0, 30, 30, src.dc(), 0, 0, 13, 13, 5, 5, 5, 5, kKey);
    skin::drawImagePart(dest.dc(), 0, 0, 30, 30, src.dc(), 0, 0, 13, 13, 5, 5, 5, 5);
    skin::fillSolidRect(dest.dc(), 0, 0, 5, 5, 0x00FF0000);
    skin::frameSolidRect(dest.dc(), 0, 0, 5, 5, 0x00FF0000);

    EXPECT_TRUE(DcState(dest.dc()) == destBefore);
    EXPECT_TRUE(DcState(src.dc()) == srcBefore);
    for (HDC dc : {dest.dc(), src.dc()}) {
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(SYSTEM_FONT));
    }
    DeleteObject(brush);
    DeleteObject(pen);
    DeleteObject(font);
}

} // namespace
