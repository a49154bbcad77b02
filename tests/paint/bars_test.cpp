// The progress bar, painted whole by the skin (client fill and frame), and the
// list header, whole and item by item.
#include "paint/paint_fixture.h"

#include "skin/paint/header.h"

#include <algorithm>

namespace qmtest {
namespace {

class Bars : public PaintTest {
protected:
    // A progress bar (range 0..40000) whose client area is exactly w x h.
    HWND bar(DWORD style, int w, int h, int position)
    {
        HWND hwnd = child(kProgressClass, style | WS_BORDER, 10, 10, w, h);
        RECT window{}, client{};
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        SetWindowPos(hwnd, nullptr, 0, 0, w + (window.right - window.left) - client.right,
                     h + (window.bottom - window.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
        SendMessageW(hwnd, PBM_SETRANGE32, 0, 40000);
        SendMessageW(hwnd, PBM_SETPOS, WPARAM(position), 0);
        settle(hwnd);
        return hwnd;
    }
    // Whether header column x shows column sourceX of the header image.
    static bool showsColumn(const Dib& dib, int x, int sourceX)
    {
        for (int y = 1; y < 19; ++y)
            if (dib.pixel(x, y) != GetPixel(skin::headerItemImage(), sourceX, y))
                return false;
        return true;
    }
};

TEST_F(Bars, ProgressFillAndFrameArePaintedByTheSkinAlone)
{
    // 15000 on 101 pixels is 50.5, which goes to the even 50; beyond 30000 fills all and stays inside the frame.
    const struct { DWORD style; int w, h, position, filled; bool enabled; } rows[] = {
        {PBS_SMOOTH, 101, 12, 15000, 50, true}, {PBS_SMOOTH, 101, 12, 15000, 50, false}, {PBS_SMOOTH, 101, 12, 0, 0, true},
        {PBS_SMOOTH, 101, 12, 30000, 101, true}, {PBS_SMOOTH, 101, 12, 35000, 101, true}, {PBS_SMOOTH, 101, 12, 7500, 25, true},
        {PBS_VERTICAL, 12, 40, 7500, 10, true}, {PBS_VERTICAL | PBS_SMOOTH, 12, 40, 40000, 40, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        HWND hwnd = bar(row.style, row.w, row.h, row.position);
        EnableWindow(hwnd, row.enabled);
        for (UINT msg : {WM_NCPAINT, WM_PAINT}) { // a segmented vertical bar shows its fill at the client paint
            EXPECT_EQ(skinPaint(hwnd, msg), 0);
            EXPECT_EQ(CountingProc::paints + CountingProc::ncPaints, 0) << "its own painting ran";
        }
        // The fill from the left or the bottom, along the middle of the client area.
        const Dib client = pixels(hwnd, true), dib = pixels(hwnd);
        const bool vertical = row.style & PBS_VERTICAL;
        for (int i = 0; i < (vertical ? row.h : row.w); ++i) {
            const COLORREF c = vertical ? client.pixel(row.w / 2, row.h - 1 - i) : client.pixel(i, row.h / 2);
            EXPECT_EQ(hex(c), hex(i < row.filled ? skin::kProgressColour : skin::kWhite)) << i;
        }
        // The frame in the skin colour, enabled or not, and left alone by the fill.
        const int w = dib.width(), h = dib.height();
        for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w / 2, 0}, {w / 2, h - 1}})
            EXPECT_EQ(dib.pixel(x, y), skin::kSkinFrameColour) << x << "," << y;
        DestroyWindow(hwnd);
    }
}

TEST_F(Bars, HeaderSlicesFollowPressedAndHotItems)
{
    ASSERT_NE(GetPixel(skin::headerItemImage(), 1, 10), GetPixel(skin::headerItemImage(), 4, 10));
    ASSERT_NE(GetPixel(skin::headerItemImage(), 4, 10), GetPixel(skin::headerItemImage(), 7, 10));
    // The middle column of each item's slice: x 1 normal, 4 hot, 7 pressed.
    const struct { int pressed, hot, slices[3]; } rows[] = {
        {1, 1, {1, 7, 1}}, // pressed wins over hot on the same item
        {-1, 2, {1, 1, 4}}, // only the hot item uses the hot slice
        {0, 2, {7, 1, 4}}, {-1, -1, {1, 1, 1}}};
    HWND hwnd = header();
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "pressed " << row.pressed << ", hot " << row.hot);
        skin::setProp(hwnd, skin::prop::kHdIndex, row.pressed);
        skin::setProp(hwnd, skin::prop::kHmIndex, row.hot);
        EXPECT_EQ(skinPaint(hwnd), 0);
        EXPECT_EQ(CountingProc::paints, 0);
        const Dib dib = pixels(hwnd);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(showsColumn(dib, 80 * i + 40, row.slices[i])) << "item " << i;
        EXPECT_TRUE(showsColumn(dib, 250, 1) && showsColumn(dib, 299, 1)) << "beyond the last item: the stretched column";
    }
}

TEST_F(Bars, HeaderLongCaptionIsCutWithAnEllipsisInsideItsItem)
{
    HWND plain = header();
    skinPaint(plain);
    const Dib without = pixels(plain);
    DestroyWindow(plain);
    HWND hwnd = header(3, L"A caption far too long for its column");
    skinPaint(hwnd);
    const Dib with = pixels(hwnd);
    int left = 80, right = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 300; ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ASSERT_LT(x, 80) << "the caption spills into the next item";
                left = std::min(left, x), right = std::max(right, x);
            }
    EXPECT_LT(left, 8);
    EXPECT_GT(right, 80 - 10); // the ellipsis reaches near the item's right edge
}

TEST_F(Bars, HeaderItemPainterDrawsOneItemOrNothing)
{
    HWND hwnd = header();
    Dib dib(300, 20);
    for (int index : {-1, 7})
        EXPECT_EQ(skin::paintHeaderItem(hwnd, dib.dc(), index, VisualState::hot), 0);
    EXPECT_EQ(dib.countNot(kSentinel), 0);
    EXPECT_EQ(skin::paintHeaderItem(hwnd, dib.dc(), 1, VisualState::hot), 0);
    EXPECT_EQ(dib.countNot(kSentinel), 80 * 20);
    EXPECT_TRUE(showsColumn(dib, 120, 4));
    EXPECT_EQ(dib.pixel(79, 5), kSentinel);
    EXPECT_EQ(dib.pixel(160, 5), kSentinel);
}

} // namespace
} // namespace qmtest
