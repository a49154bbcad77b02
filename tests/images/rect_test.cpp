// Solid fills, one-pixel frames and window bounds.
#include "skin/images/rect.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

using namespace qmtest;

namespace {

constexpr COLORREF kRed = 0x000000FF;

TEST(FillSolidRect, ColoursExactlyTheRectangleWithRightAndBottomExclusive)
{
    Dib dib(13, 13);
    EXPECT_NE(skin::fillSolidRect(dib.dc(), 1, 1, 11, 11, kRed), 0);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x) {
            const bool inside = x >= 1 && x <= 11 && y >= 1 && y <= 11;
            EXPECT_EQ(dib.pixel(x, y), inside ? kRed : kSentinel) << x << "," << y;
        }
    EXPECT_EQ(dib.countNot(kSentinel), 121);
}

TEST(FrameSolidRect, ColoursExactlyTheBorderPixels)
{
    Dib dib(15, 15);
    EXPECT_NE(skin::frameSolidRect(dib.dc(), 0, 0, 13, 13, kRed), 0);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) {
            const bool border = x < 13 && y < 13 && (x == 0 || y == 0 || x == 12 || y == 12);
            EXPECT_EQ(dib.pixel(x, y), border ? kRed : kSentinel) << x << "," << y;
        }
    EXPECT_EQ(dib.countNot(kSentinel), 48);
}

TEST(RectHelpers, ZeroSizesColourNothing)
{
    Dib dib(8, 8);
    for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{0, 0}}) {
        skin::fillSolidRect(dib.dc(), 1, 1, w, h, kRed);
        skin::frameSolidRect(dib.dc(), 1, 1, w, h, kRed);
    }
    EXPECT_EQ(dib.countNot(kSentinel), 0);
}

TEST(GetWindowBounds, GivesTheOuterRectangleWhereverTheWindowIs)
{
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_BORDER, 10, 20, 75, 23, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    for (auto [x, y] : {std::pair{10, 20}, std::pair{-30, 300}, std::pair{500, -7}}) {
        SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        skin::WindowBounds b;
        EXPECT_NE(skin::getWindowBounds(hwnd, b), 0);
        EXPECT_EQ(b.left, x);
        EXPECT_EQ(b.top, y);
        EXPECT_EQ(b.right, x + 75);
        EXPECT_EQ(b.bottom, y + 23);
        EXPECT_EQ(b.width, 75);
        EXPECT_EQ(b.height, 23);
    }
    DestroyWindow(hwnd);

    // The handle of a destroyed window is invalid: six zeros and a zero result.
    skin::WindowBounds b{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(skin::getWindowBounds(hwnd, b), 0);
    EXPECT_EQ(b.left | b.top | b.right | b.bottom | b.width | b.height, 0);
    b = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(skin::getWindowBounds(nullptr, b), 0);
    EXPECT_EQ(b.left | b.top | b.right | b.bottom | b.width | b.height, 0);
}

} // namespace
