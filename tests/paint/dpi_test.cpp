// The skin at 120, 144 and 192 DPI: the scaled images, and the glyphs the
// painters draw with the DPI given; then Form1 and the gallery at 144 DPI in
// processes of their own.
#include "paint/paint_fixture.h"

#include "skin/paint/check_option.h"
#include "skin/paint/combo_button.h"

#include <climits>
#include <functional>

namespace qmtest {
namespace {

using enum skin::VisualState;

constexpr int kDpis[] = {120, 144, 192};

struct Box { int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN; }; // inclusive

Box boxOf(const Dib& dib, int x0, int y0, int w, int h, const std::function<bool(COLORREF)>& match)
{
    Box box;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (match(dib.pixel(x, y)))
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    return box;
}

bool green(COLORREF c) { return GetGValue(c) > GetRValue(c) + 30 && GetGValue(c) > GetBValue(c) + 30; }

// The glyph's share of its square along each axis is the 96-DPI share, within a tenth, and the glyph lies
// centred to a pixel in [from, from + extent) both ways.
void expectCentred(const Box& glyph, int fromX, int fromY, int extent, double shareX, double shareY, int dpi)
{
    EXPECT_NEAR((glyph.right - glyph.left + 1) / double(extent), shareX, 0.1) << dpi;
    EXPECT_NEAR((glyph.bottom - glyph.top + 1) / double(extent), shareY, 0.1) << dpi;
    EXPECT_LE(std::abs((glyph.left - fromX) - (fromX + extent - 1 - glyph.right)), 2) << dpi;
    EXPECT_LE(std::abs((glyph.top - fromY) - (fromY + extent - 1 - glyph.bottom)), 2) << dpi;
}

class Dpi : public PaintTest {};

TEST_F(Dpi, ImagesRepeatPixelsAtWholeFactorsAndKeepEveryEvenAreaOtherwise)
{
    const struct { HDC (*at96)() noexcept; HDC (*at)(int) noexcept; int w, h; } images[] = {
        {skin::buttonFaceImage, skin::buttonFaceImageAt, 7, 84}, {skin::comboButtonImage, skin::comboButtonImageAt, 15, 18},
        {skin::markGlyphImage, skin::markGlyphImageAt, 18, 24}, {skin::optionBubbleImage, skin::optionBubbleImageAt, 13, 52},
        {skin::headerItemImage, skin::headerItemImageAt, 9, 20}};
    for (int dpi : kDpis)
        for (const auto& image : images) {
            const Dib source = captureDc(image.at96(), 0, 0, image.w, image.h);
            BITMAP bitmap{};
            GetObjectW(GetCurrentObject(image.at(dpi), OBJ_BITMAP), sizeof(bitmap), &bitmap);
            ASSERT_EQ(bitmap.bmWidth, MulDiv(image.w, dpi, 96));
            ASSERT_EQ(bitmap.bmHeight, MulDiv(image.h, dpi, 96));
            const Dib scaled = captureDc(image.at(dpi), 0, 0, bitmap.bmWidth, bitmap.bmHeight);
            for (int y = 0; y < scaled.height(); ++y)
                for (int x = 0; x < scaled.width(); ++x) {
                    if (dpi == 192) {
                        ASSERT_EQ(scaled.pixel(x, y), source.pixel(x / 2, y / 2)) << x << "," << y;
                        continue;
                    }
                    // Near the new pixel's source area: all key, it stays key; all one colour, it has that
                    // colour; otherwise each channel lies between those of the colours there, so no key colour
                    // blends into a shape's edge.
                    const int sx0 = std::max(0, x * 96 / dpi - 1), sx1 = std::min(image.w - 1, (x + 1) * 96 / dpi + 1);
                    const int sy0 = std::max(0, y * 96 / dpi - 1), sy1 = std::min(image.h - 1, (y + 1) * 96 / dpi + 1);
                    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0}, colours = 0, others = 0;
                    for (int sy = sy0; sy <= sy1; ++sy)
                        for (int sx = sx0; sx <= sx1; ++sx) {
                            const COLORREF c = source.pixel(sx, sy);
                            others += c != source.pixel(sx0, sy0);
                            colours += c != skin::kKeyColour;
                            for (int i = 0; i < 3 && c != skin::kKeyColour; ++i)
                                lo[i] = std::min(lo[i], int(c >> 8 * i & 0xFF)), hi[i] = std::max(hi[i], int(c >> 8 * i & 0xFF));
                        }
                    const COLORREF c = scaled.pixel(x, y);
                    if (others == 0 || colours == 0)
                        ASSERT_EQ(hex(c), hex(colours ? source.pixel(sx0, sy0) : skin::kKeyColour)) << dpi << " " << x << "," << y;
                    for (int i = 0; i < 3 && c != skin::kKeyColour; ++i)
                        ASSERT_TRUE(int(c >> 8 * i & 0xFF) >= lo[i] && int(c >> 8 * i & 0xFF) <= hi[i]) << dpi << " " << x << "," << y;
                }
        }
}

TEST_F(Dpi, MarksArrowsAndSquaresKeepTheirShareOfTheControlCentredInsideIt)
{
    for (int dpi : kDpis) {
        const int square = skin::systemMetricAt(SM_CXMENUCHECK, dpi), height = MulDiv(17, dpi, 96);
        int squareTop = 0; // where the check box's square lies; the option circle lies there too
        for (auto [check, shareX, shareY] : {std::tuple{BST_CHECKED, 9 / 13.0, 8 / 13.0}, {BST_INDETERMINATE, 7 / 13.0, 7 / 13.0}}) {
            HWND box = child(kCheckClass, BS_AUTO3STATE, 10, 10, MulDiv(110, dpi, 96), height);
            SendMessageW(box, BM_SETCHECK, check, 0);
            skin::paintCheckBoxAtDpi(box, normal, true, dpi);
            const Dib shown = pixels(box);
            const Box frame = boxOf(shown, 0, 0, square + 4, height, [](COLORREF c) { return c == skin::kSkinFrameColour; });
            EXPECT_EQ(frame.left, 0) << dpi;
            EXPECT_EQ(frame.right, square - 1) << dpi;
            EXPECT_EQ(frame.bottom - frame.top + 1, square) << dpi;
            EXPECT_LE(std::abs(frame.top - (height - 1 - frame.bottom)), 1) << dpi;
            squareTop = frame.top;
            expectCentred(boxOf(shown, 0, 0, square + 4, height, green), 0, frame.top, square, shareX, shareY, dpi);
            DestroyWindow(box);
        }
        HWND option = child(kOptionClass, BS_AUTORADIOBUTTON, 10, 10, MulDiv(110, dpi, 96), height);
        SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
        skin::paintOptionButtonAtDpi(option, normal, true, dpi);
        expectCentred(boxOf(pixels(option), 0, 0, square + 4, height, green), 0, squareTop, square, 5 / 13.0, 5 / 13.0, dpi);

        // The combo button draws in its column inside the frame and nowhere else; the arrow keeps its share.
        const int width = MulDiv(100, dpi, 96), column = skin::systemMetricAt(SM_CXVSCROLL, dpi) + 1;
        HWND combo = child(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 40, width, 200);
        RECT r{};
        GetWindowRect(combo, &r);
        const int closed = r.bottom - r.top;
        Dib dib(width + 10, closed + 10);
        VisualState state = normal;
        skin::paintComboButtonAtDpi(combo, dib.dc(), state, true, dpi);
        const Box drawn = boxOf(dib, 0, 0, dib.width(), dib.height(), [](COLORREF c) { return c != kSentinel; });
        EXPECT_EQ(drawn.left, width - column - 1) << dpi;
        EXPECT_EQ(drawn.right, width - 2) << dpi;
        EXPECT_EQ(drawn.top, 1) << dpi;
        EXPECT_EQ(drawn.bottom, closed - 2) << dpi;
        const Box arrow = boxOf(dib, 0, 0, dib.width(), dib.height(), [](COLORREF c) { return c != kSentinel && c != skin::kWhite; });
        EXPECT_NEAR((arrow.right - arrow.left + 1) / double(column), 7 / 18.0, 0.1) << dpi;
        EXPECT_LE(std::abs((arrow.left - drawn.left) - (drawn.right - arrow.right)), 2) << dpi;
        EXPECT_LE(std::abs((arrow.top - drawn.top) - (drawn.bottom - arrow.bottom)), 2) << dpi;
    }
}

} // namespace
} // namespace qmtest
