// The pixel tests compare exact colours; they need a true-colour display.
#include "support/gdi_count.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

TEST(Display, RunsAt32BitsPerPixel)
{
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    ReleaseDC(nullptr, screen);
}

TEST(GdiCount, SeesObjectsComeAndGo)
{
    const int before = qmtest::liveGdiObjects();
    ASSERT_GT(before, 0);
    HBRUSH brushes[10];
    for (HBRUSH& b : brushes)
        b = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(qmtest::liveGdiObjects(), before + 10);
    for (HBRUSH b : brushes)
        DeleteObject(b);
    EXPECT_EQ(qmtest::liveGdiObjects(), before);
}

TEST(Pixels, DibReadsBackWhatWasDrawn)
{
    qmtest::Dib dib(4, 3);
    EXPECT_EQ(dib.pixel(3, 2), qmtest::kSentinel);
    SetPixel(dib.dc(), 1, 2, RGB(10, 20, 30));
    EXPECT_EQ(dib.pixel(1, 2), RGB(10, 20, 30));
    EXPECT_EQ(dib.countNot(qmtest::kSentinel), 1);
}
