// The list header: whole-header paint and single items.
#include "paint/paint_fixture.h"

#include "skin/core/properties.h"
#include "skin/images/skin_images.h"
#include "skin/paint/client_paint.h"
#include "skin/paint/header.h"

#include <algorithm>
#include <commctrl.h>

using skin::VisualState;

namespace qmtest {
namespace {

constexpr int kItemWidth = 80;
constexpr int kHeight = 20; // the image's own height, so rows copy 1:1

class Header : public PaintTest {
protected:
    HWND header(const wchar_t* firstCaption = L"")
    {
        HWND hwnd = child(WC_HEADERW, HDS_HORZ, 10, 10, 300, kHeight);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        for (int i = 0; i < 3; ++i) {
            HDITEMW item{};
            item.mask = HDI_WIDTH | HDI_TEXT;
            item.cxy = kItemWidth;
            item.pszText = const_cast<wchar_t*>(i == 0 ? firstCaption : L"");
            SendMessageW(hwnd, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
        skin::setProp(hwnd, skin::prop::kHdIndex, -1);
        skin::setProp(hwnd, skin::prop::kHmIndex, -1);
        settle(hwnd);
        return hwnd;
    }
    static Dib paintWhole(HWND hwnd)
    {
        WNDPROC own = CountingProc::wrap(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        EXPECT_EQ(skin::onPaint(own, hwnd, WM_PAINT, 0, 0), 0);
        EXPECT_EQ(CountingProc::paints, 0);
        return windowPixels(hwnd);
    }
    // The column of the image an item's middle is stretched from.
    static bool showsColumn(const Dib& dib, int x, int sourceX)
    {
        for (int y = 1; y < kHeight - 1; ++y)
            if (dib.pixel(x, y) != GetPixel(skin::headerItemImage(), sourceX, y))
                return false;
        return true;
    }
    static int itemMiddle(int i) { return i * kItemWidth + kItemWidth / 2; }
};

TEST_F(Header, SlicesFollowPressedAndHotItems)
{
    ASSERT_NE(GetPixel(skin::headerItemImage(), 1, 10), GetPixel(skin::headerItemImage(), 4, 10));
    ASSERT_NE(GetPixel(skin::headerItemImage(), 4, 10), GetPixel(skin::headerItemImage(), 7, 10));
    struct Row {
        int pressed, hot;
        int slices[3];
    };
    const Row rows[] = {
        {1, 1, {0, 6, 0}},  // pressed wins over hot on the same item
        {-1, 2, {0, 0, 3}}, // only the hot item uses the hot slice
        {0, 2, {6, 0, 3}},
        {-1, -1, {0, 0, 0}},
    };
    HWND hwnd = header();
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "pressed " << row.pressed << ", hot " << row.hot);
        skin::setProp(hwnd, skin::prop::kHdIndex, row.pressed);
        skin::setProp(hwnd, skin::prop::kHmIndex, row.hot);
        const Dib dib = paintWhole(hwnd);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(showsColumn(dib, itemMiddle(i), row.slices[i] + 1)) << "item " << i;
        // Beyond the last item: the stretched column x 1.
        EXPECT_TRUE(showsColumn(dib, 3 * kItemWidth + 10, 1));
        EXPECT_TRUE(showsColumn(dib, 299, 1));
    }
}

TEST_F(Header, LongCaptionStaysOnOneLineInsideItsItem)
{
    HWND plain = header();
    const Dib without = paintWhole(plain);
    DestroyWindow(plain);
    HWND hwnd = header(L"A caption far too long for its column");
    const Dib with = paintWhole(hwnd);

    int left = kItemWidth, right = -1;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < 300; ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ASSERT_LT(x, kItemWidth) << "the caption spills into the next item";
                left = std::min(left, x);
                right = std::max(right, x);
            }
    // Cut to the item's width, with the ellipsis reaching near its right edge.
    EXPECT_LT(left, 8);
    EXPECT_GT(right, kItemWidth - 10);
}

TEST_F(Header, ItemPainterDrawsOneItemOrNothing)
{
    HWND hwnd = header();
    Dib dib(300, kHeight);
    EXPECT_EQ(skin::paintHeaderItem(hwnd, dib.dc(), -1, VisualState::hot), 0);
    EXPECT_EQ(dib.countNot(kSentinel), 0);
    EXPECT_EQ(skin::paintHeaderItem(hwnd, dib.dc(), 7, VisualState::hot), 0);
    EXPECT_EQ(dib.countNot(kSentinel), 0);

    EXPECT_EQ(skin::paintHeaderItem(hwnd, dib.dc(), 1, VisualState::hot), 0);
    EXPECT_EQ(dib.countNot(kSentinel), kItemWidth * kHeight);
    EXPECT_TRUE(showsColumn(dib, itemMiddle(1), 4));
    EXPECT_EQ(dib.pixel(kItemWidth - 1, 5), kSentinel);
    EXPECT_EQ(dib.pixel(2 * kItemWidth, 5), kSentinel);
}

} // namespace
} // namespace qmtest
