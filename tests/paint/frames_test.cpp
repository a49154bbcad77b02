// Flat frames: the non-client border that replaces a sunken client edge, and
// the frames drawn over list-like controls after their own painting. The grid
// fixture is a grey static control, so a white line on it can only be ours.
#include "paint/paint_fixture.h"

#include "skin/images/skin_images.h"
#include "skin/paint/client_paint.h"
#include "skin/paint/nonclient_paint.h"

namespace qmtest {
namespace {

// A list box whose class keeps its own context, so the client context's
// background colour can be something other than white.
constexpr wchar_t kOwnDcList[] = L"OwnDcListBox";
constexpr COLORREF kListBackground = RGB(0x33, 0x66, 0x99);
constexpr wchar_t kDataListClass[] = L"DataListWndClass";
constexpr wchar_t kGridClass[] = L"ApexGridTestClass";
// A window whose client area is inset by GWLP_USERDATA pixels: the low word
// on the left and the high word on the right.
constexpr wchar_t kInsetClass[] = L"InsetClientWindow";

LRESULT CALLBACK insetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    if (msg == WM_NCCALCSIZE) {
        const auto inset = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        auto* rect = reinterpret_cast<RECT*>(lParam);
        const LRESULT result = DefWindowProcW(hwnd, msg, wParam, lParam); // scroll bars
        rect->left += LOWORD(inset);
        rect->right -= HIWORD(inset);
        rect->top += LOWORD(inset);
        rect->bottom -= HIWORD(inset);
        return result;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class Frames : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        registerSuperclass(kOwnDcList, L"ListBox", CS_OWNDC);
        registerSuperclass(kDataListClass, L"ListBox");
        registerSuperclass(kGridClass, L"Static");
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = insetProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kInsetClass;
        RegisterClassExW(&wc);
    }
    static Dib ncPaint(HWND hwnd)
    {
        WNDPROC own = CountingProc::wrap(hwnd);
        skin::onNcPaint(own, hwnd, WM_NCPAINT, 1, 0);
        return windowPixels(hwnd);
    }
};

TEST_F(Frames, ClientEdgeBecomesFlatFrameInTheClientBackground)
{
    HWND hwnd = child(kOwnDcList, 0, 10, 10, 120, 80, WS_EX_CLIENTEDGE);
    HDC own = GetDC(hwnd);
    SetBkColor(own, kListBackground); // the class's own context keeps it
    ReleaseDC(hwnd, own);
    int bx = 0, by = 0;
    skin::measureBorderThickness(hwnd, bx, by);
    ASSERT_EQ(bx, 2);
    ASSERT_EQ(by, 2);

    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        EnableWindow(hwnd, enabled);
        settle(hwnd);
        const Dib dib = ncPaint(hwnd);
        EXPECT_EQ(CountingProc::ncPaints, 1);
        const int w = dib.width(), h = dib.height();
        const COLORREF outer = enabled ? skin::kSkinFrameColour : skin::kDisabledFrameColour;
        for (POINT p : {POINT{0, 0}, POINT{w - 1, h - 1}, POINT{w / 2, 0}, POINT{0, h / 2}})
            EXPECT_EQ(dib.pixel(p.x, p.y), outer);
        // Frames from (1, 1) and (2, 2), both to (W - 1, H - 1): their left
        // and top sides step inwards onto the first client column and row,
        // their right and bottom sides share column W - 2 and row H - 2.
        for (POINT p : {POINT{1, h / 2}, POINT{2, h / 2}, POINT{w / 2, 1}, POINT{w / 2, 2},
                        POINT{w - 2, h / 2}, POINT{w / 2, h - 2}})
            EXPECT_EQ(dib.pixel(p.x, p.y), kListBackground) << p.x << ", " << p.y;
        EXPECT_NE(dib.pixel(w - 3, h / 2), kListBackground) << "the client's last column is the list's own";
        EXPECT_NE(dib.pixel(3, h / 2), kListBackground);
    }
}

TEST_F(Frames, BorderThicknessIsHalfTheNonClientWidth)
{
    struct Row {
        int left, right;
        DWORD style;
        int bx;
    };
    // 5 pixels halve to 2.5, which goes to 2; 7 to 3.5, which goes to 4. A
    // scroll bar's width is not border.
    const Row rows[] = {{2, 3, 0, 2}, {3, 4, 0, 4}, {2, 2, 0, 2}, {0, 1, 0, 0}, {2, 2, WS_VSCROLL, 2},
                        {3, 4, WS_VSCROLL | WS_HSCROLL, 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.left << " + " << row.right);
        HWND hwnd = CreateWindowExW(0, kInsetClass, L"", WS_CHILD | WS_VISIBLE | row.style, 10, 10, 100, 60, host_,
                                    nullptr, GetModuleHandleW(nullptr),
                                    reinterpret_cast<void*>(static_cast<LONG_PTR>(MAKELONG(row.left, row.right))));
        int bx = -1, by = -1;
        EXPECT_EQ(skin::measureBorderThickness(hwnd, bx, by), 1);
        EXPECT_EQ(bx, row.bx);
        EXPECT_EQ(by, row.bx);
        DestroyWindow(hwnd);
    }
}

TEST_F(Frames, WindowsWithoutClientEdgeAndDataListsKeepTheirOwnFrame)
{
    struct Row {
        const wchar_t* cls;
        DWORD style, exStyle;
    };
    const Row rows[] = {{kDataListClass, 0, WS_EX_CLIENTEDGE}, {L"ListBox", WS_BORDER, 0}, {L"Button", 0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.cls)));
        HWND hwnd = child(row.cls, row.style, 10, 10, 120, 60, row.exStyle);
        const Dib own = windowPixels(hwnd);
        const Dib dib = ncPaint(hwnd);
        EXPECT_EQ(CountingProc::ncPaints, 1);
        for (int x = 0; x < dib.width(); ++x)
            ASSERT_EQ(dib.pixel(x, 0), own.pixel(x, 0)) << "column " << x;
        for (int y = 0; y < dib.height(); ++y)
            ASSERT_EQ(dib.pixel(0, y), own.pixel(0, y)) << "row " << y;
        DestroyWindow(hwnd);
    }
}

TEST_F(Frames, ListLikeControlsGetFramesOverTheirOwnPainting)
{
    struct Row {
        const wchar_t* cls;
        DWORD style;
        bool enabled;
        COLORREF outer;
        bool inner; // a white line inside the outer one
    };
    const Row rows[] = {
        {kDataListClass, WS_BORDER, true, skin::kSkinFrameColour, true},
        {kDataListClass, WS_BORDER, false, skin::kDisabledFrameColour, true},
        {kGridClass, WS_BORDER | SS_GRAYRECT, true, skin::kSkinFrameColour, false},
        {kGridClass, WS_BORDER | SS_GRAYRECT, false, skin::kDisabledFrameColour, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.cls)));
        HWND hwnd = child(row.cls, row.style, 10, 10, 120, 60);
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
        SendMessageW(hwnd, LB_SETCURSEL, 0, 0);
        EnableWindow(hwnd, row.enabled);
        settle(hwnd);
        WNDPROC own = CountingProc::wrap(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        skin::onPaint(own, hwnd, WM_PAINT, 0, 0);
        EXPECT_EQ(CountingProc::paints, 1) << "its own painting runs first";
        const Dib dib = windowPixels(hwnd);
        EXPECT_EQ(dib.pixel(0, 0), row.outer);
        EXPECT_EQ(dib.pixel(dib.width() - 1, 30), row.outer);
        EXPECT_EQ(dib.pixel(1, 30) == skin::kWhite, row.inner);
        EXPECT_EQ(dib.pixel(30, 1) == skin::kWhite, row.inner);
        DestroyWindow(hwnd);
    }
    // Without a border a grid is left to its own painting.
    HWND plain = child(kGridClass, SS_GRAYRECT, 10, 10, 120, 60);
    const Dib own = windowPixels(plain);
    InvalidateRect(plain, nullptr, FALSE);
    skin::onPaint(CountingProc::wrap(plain), plain, WM_PAINT, 0, 0);
    EXPECT_EQ(windowPixels(plain).pixel(0, 0), own.pixel(0, 0));
}

} // namespace
} // namespace qmtest
