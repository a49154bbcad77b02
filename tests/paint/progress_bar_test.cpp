// The progress bar, painted whole by the skin: client fill and frame.
#include "paint/paint_fixture.h"

#include "skin/images/skin_images.h"
#include "skin/paint/client_paint.h"
#include "skin/paint/nonclient_paint.h"

#include <commctrl.h>

namespace qmtest {
namespace {

constexpr wchar_t kProgressClass[] = L"ProgressBar20WndClass";

class ProgressBar : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        registerSuperclass(kProgressClass, PROGRESS_CLASSW);
    }
    // A bar whose client area is exactly clientWidth x clientHeight.
    HWND bar(DWORD style, int clientWidth, int clientHeight, int position)
    {
        HWND hwnd = child(kProgressClass, style | WS_BORDER, 10, 10, clientWidth, clientHeight);
        RECT window{}, client{};
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        SetWindowPos(hwnd, nullptr, 0, 0, clientWidth + (window.right - window.left) - client.right,
                     clientHeight + (window.bottom - window.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
        SendMessageW(hwnd, PBM_SETRANGE32, 0, 40000);
        SendMessageW(hwnd, PBM_SETPOS, static_cast<WPARAM>(position), 0);
        settle(hwnd);
        return hwnd;
    }
    // Runs the client paint with a procedure that records whether the
    // control's own painting ran.
    static Dib paintClient(HWND hwnd)
    {
        WNDPROC own = CountingProc::wrap(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        EXPECT_EQ(skin::onPaint(own, hwnd, WM_PAINT, 0, 0), 0);
        EXPECT_EQ(CountingProc::paints, 0);
        return clientPixels(hwnd);
    }
    static int filledColumns(const Dib& dib, int row)
    {
        int n = 0;
        for (int x = 0; x < dib.width(); ++x)
            n += dib.pixel(x, row) == skin::kProgressColour;
        return n;
    }
    static int filledRows(const Dib& dib, int column)
    {
        int n = 0;
        for (int y = 0; y < dib.height(); ++y)
            n += dib.pixel(column, y) == skin::kProgressColour;
        return n;
    }
};

struct FillRow {
    int position;
    int filled;
};

TEST_F(ProgressBar, HorizontalFillIsThePositionOutOf30000)
{
    // 15000 of 30000 on 101 pixels is 50.5, which goes to the even 50.
    const FillRow rows[] = {{15000, 50}, {0, 0}, {30000, 101}, {35000, 101}, {7500, 25}};
    for (const FillRow& row : rows) {
        SCOPED_TRACE(row.position);
        HWND hwnd = bar(PBS_SMOOTH, 101, 12, row.position);
        const Dib dib = paintClient(hwnd);
        EXPECT_EQ(filledColumns(dib, 6), row.filled);
        if (row.filled > 0)
            EXPECT_EQ(dib.pixel(0, 0), skin::kProgressColour) << "grows from the left";
        if (row.filled < 101)
            EXPECT_EQ(dib.pixel(100, 11), skin::kWhite);
        DestroyWindow(hwnd);
    }
}

TEST_F(ProgressBar, VerticalFillGrowsFromTheBottom)
{
    HWND hwnd = bar(PBS_VERTICAL, 12, 40, 7500);
    const Dib dib = paintClient(hwnd);
    EXPECT_EQ(filledRows(dib, 5), 10);
    EXPECT_EQ(dib.pixel(5, 29), skin::kWhite);
    EXPECT_EQ(dib.pixel(5, 30), skin::kProgressColour);
    EXPECT_EQ(dib.pixel(5, 39), skin::kProgressColour);

    SendMessageW(hwnd, PBM_SETPOS, 31000, 0);
    EXPECT_EQ(filledRows(paintClient(hwnd), 5), 40);
}

TEST_F(ProgressBar, FrameInSkinColourEvenWhenDisabled)
{
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        HWND hwnd = bar(PBS_SMOOTH, 101, 12, 15000);
        EnableWindow(hwnd, enabled);
        WNDPROC own = CountingProc::wrap(hwnd);
        EXPECT_EQ(skin::onNcPaint(own, hwnd, WM_NCPAINT, 1, 0), 0);
        EXPECT_EQ(CountingProc::ncPaints + CountingProc::paints, 0);
        const Dib dib = windowPixels(hwnd);
        const int w = dib.width();
        const int h = dib.height();
        for (POINT p : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1}, POINT{w / 2, 0}})
            EXPECT_EQ(dib.pixel(p.x, p.y), skin::kSkinFrameColour);
        // Inside the frame: the fill from the client's left edge, white after it.
        EXPECT_EQ(dib.pixel(1, 1), skin::kProgressColour);
        EXPECT_EQ(dib.pixel(w - 2, h - 2), skin::kWhite);
        DestroyWindow(hwnd);
    }
}

TEST_F(ProgressBar, PositionBeyondFullScaleStaysInsideTheFrame)
{
    HWND horizontal = bar(PBS_SMOOTH, 101, 12, 40000);
    skin::onNcPaint(CountingProc::wrap(horizontal), horizontal, WM_NCPAINT, 1, 0);
    Dib dib = windowPixels(horizontal);
    EXPECT_EQ(dib.pixel(dib.width() - 1, 5), skin::kSkinFrameColour);
    EXPECT_EQ(dib.pixel(dib.width() - 2, 5), skin::kProgressColour);

    HWND vertical = bar(PBS_VERTICAL | PBS_SMOOTH, 12, 40, 40000);
    skin::onNcPaint(CountingProc::wrap(vertical), vertical, WM_NCPAINT, 1, 0);
    dib = windowPixels(vertical);
    EXPECT_EQ(dib.pixel(5, 0), skin::kSkinFrameColour);
    EXPECT_EQ(dib.pixel(5, 1), skin::kProgressColour);
}

} // namespace
} // namespace qmtest
