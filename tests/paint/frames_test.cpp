// Flat frames: the non-client border that replaces a sunken client edge, and
// the frames drawn over list-like controls after their own painting; and every
// painter leaves its contexts and the GDI object count as it found them.
#include "paint/paint_fixture.h"

#include "skin/paint/check_option.h"
#include "skin/paint/combo_button.h"
#include "skin/paint/header.h"
#include "support/gdi_count.h"

#include <cstdint>
#include <functional>

namespace qmtest {
namespace {

// A window whose client area is inset by its creation parameter: the low word on the left and top, the high word
// on the right and bottom, inside any scroll bars.
LRESULT CALLBACK insetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    if (msg != WM_NCCALCSIZE)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    const auto inset = DWORD(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    auto* rect = reinterpret_cast<RECT*>(lParam);
    const LRESULT result = DefWindowProcW(hwnd, msg, wParam, lParam);
    rect->left += LOWORD(inset), rect->top += LOWORD(inset), rect->right -= HIWORD(inset), rect->bottom -= HIWORD(inset);
    return result;
}

using Frames = PaintTest;

TEST_F(Frames, ClientEdgeBecomesAFlatFrameInTheClientBackground)
{
    constexpr COLORREF kListBackground = RGB(0x33, 0x66, 0x99);
    HWND hwnd = child(kOwnDcList, 0, 10, 10, 120, 80, WS_EX_CLIENTEDGE);
    int bx = 0, by = 0;
    skin::measureBorderThickness(hwnd, bx, by);
    ASSERT_EQ(bx, 2);
    ASSERT_EQ(by, 2);
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        EnableWindow(hwnd, enabled);
        settle(hwnd);
        HDC own = GetDC(hwnd); // the class's own context keeps the colour until the list paints again
        SetBkColor(own, kListBackground);
        ReleaseDC(hwnd, own);
        skinPaint(hwnd, WM_NCPAINT);
        EXPECT_EQ(CountingProc::ncPaints, 1);
        const Dib dib = pixels(hwnd);
        const int w = dib.width(), h = dib.height();
        for (auto [x, y] : {std::pair{0, 0}, {w - 1, h - 1}, {w / 2, 0}, {0, h / 2}})
            EXPECT_EQ(dib.pixel(x, y), enabled ? skin::kSkinFrameColour : skin::kDisabledFrameColour);
        // Frames from (1, 1) and (2, 2), both to (W - 1, H - 1): their left and top sides step inwards onto the
        // first client column and row, their right and bottom sides share column W - 2 and row H - 2.
        for (auto [x, y] : {std::pair{1, h / 2}, {2, h / 2}, {w / 2, 1}, {w / 2, 2}, {w - 2, h / 2}, {w / 2, h - 2}})
            EXPECT_EQ(dib.pixel(x, y), kListBackground) << x << ", " << y;
        EXPECT_NE(dib.pixel(w - 3, h / 2), kListBackground) << "the client's last column is the list's own";
        EXPECT_NE(dib.pixel(3, h / 2), kListBackground);
    }
}

TEST_F(Frames, BorderThicknessIsHalfTheNonClientWidthWithoutScrollBars)
{
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = insetProc, wc.hInstance = GetModuleHandleW(nullptr), wc.lpszClassName = L"InsetClientWindow";
    RegisterClassExW(&wc);
    // 5 pixels halve to 2.5, which goes to 2; 7 to 3.5, which goes to 4.
    const struct { int left, right; DWORD style; int bx; } rows[] = {
        {2, 3, 0, 2}, {3, 4, 0, 4}, {2, 2, 0, 2}, {0, 1, 0, 0}, {2, 2, WS_VSCROLL, 2}, {3, 4, WS_VSCROLL | WS_HSCROLL, 4}};
    for (const auto& row : rows) {
        HWND hwnd = CreateWindowExW(0, L"InsetClientWindow", L"", WS_CHILD | WS_VISIBLE | row.style, 10, 10, 100, 60, host_,
                                    nullptr, nullptr, reinterpret_cast<void*>(LONG_PTR(MAKELONG(row.left, row.right))));
        int bx = -1, by = -1;
        EXPECT_EQ(skin::measureBorderThickness(hwnd, bx, by), 1);
        EXPECT_EQ(std::pair(bx, by), std::pair(row.bx, row.bx)) << row.left << " + " << row.right << ", " << row.style;
        DestroyWindow(hwnd);
    }
}

// A data list, a window without a client edge and a grid without a border keep their own frame; bordered data
// lists and grids get the skin's frame over their own painting. The grid fixture is a grey static control, so a
// white line on it can only be the skin's.
TEST_F(Frames, OwnFramesAndFramesOverOwnPainting)
{
    constexpr COLORREF own = kSentinel;
    const struct { const wchar_t* cls; DWORD style, exStyle; UINT msg; bool enabled; COLORREF outer; bool inner; } rows[] = {
        {kDataListClass, 0, WS_EX_CLIENTEDGE, WM_NCPAINT, true, own, false}, {L"ListBox", WS_BORDER, 0, WM_NCPAINT, true, own, false},
        {L"Button", 0, 0, WM_NCPAINT, true, own, false}, {kGridClass, SS_GRAYRECT, 0, WM_PAINT, true, own, false},
        {kDataListClass, WS_BORDER, 0, WM_PAINT, true, skin::kSkinFrameColour, true},
        {kDataListClass, WS_BORDER, 0, WM_PAINT, false, skin::kDisabledFrameColour, true},
        {kGridClass, WS_BORDER | SS_GRAYRECT, 0, WM_PAINT, true, skin::kSkinFrameColour, false},
        {kGridClass, WS_BORDER | SS_GRAYRECT, 0, WM_PAINT, false, skin::kDisabledFrameColour, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        HWND hwnd = child(row.cls, row.style, 10, 10, 120, 60, row.exStyle);
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
        EnableWindow(hwnd, row.enabled);
        settle(hwnd);
        const Dib before = pixels(hwnd);
        skinPaint(hwnd, row.msg);
        EXPECT_EQ(CountingProc::paints + CountingProc::ncPaints, 1) << "its own painting runs";
        const Dib dib = pixels(hwnd);
        for (int i = 0; row.outer == own && i < std::max(dib.width(), dib.height()); ++i)
            ASSERT_TRUE(dib.pixel(i, 0) == before.pixel(i, 0) && dib.pixel(0, i) == before.pixel(0, i)) << i;
        EXPECT_TRUE(row.outer == own || (dib.pixel(0, 0) == row.outer && dib.pixel(dib.width() - 1, 30) == row.outer));
        if (row.outer != own) {
            EXPECT_EQ(dib.pixel(1, 30) == skin::kWhite && dib.pixel(30, 1) == skin::kWhite, row.inner) << "white inside";
        }
        DestroyWindow(hwnd);
    }
}

using Hygiene = PaintTest;

// Each painter runs once to warm caches, then ten more times: the GDI object count stays and a context handed
// in keeps its objects and modes.
TEST_F(Hygiene, PaintersLeaveContextsAsFoundAndReleaseWhatTheyTake)
{
    HWND combo = child(L"ComboBox", CBS_DROPDOWN, 10, 40, 100, 200);
    HWND listCombo = child(L"ComboBox", CBS_DROPDOWNLIST, 120, 40, 100, 200);
    HWND drive = child(kDriveClass, CBS_DROPDOWNLIST, 230, 40, 100, 200);
    HWND check = child(kCheckClass, BS_AUTOCHECKBOX, 10, 70, 120, 17, 0, L"Check");
    HWND option = child(kOptionClass, BS_AUTORADIOBUTTON, 140, 70, 120, 17, 0, L"Option");
    HWND progress = child(kProgressClass, WS_BORDER, 10, 100, 200, 16);
    HWND list = child(L"ListBox", WS_VSCROLL, 10, 130, 120, 60, WS_EX_CLIENTEDGE);
    HWND head = header(1, L"名称 Name");
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(progress, PBM_SETPOS, 50, 0);
    const auto viaHandlers = [](HWND hwnd) { return [hwnd](HDC) { skinPaint(hwnd), skinPaint(hwnd, WM_NCPAINT); }; };
    const std::function<void(HDC)> painters[] = {
        [&](HDC dc) { VisualState s = VisualState::hot; skin::paintComboButton(listCombo, dc, s, true); },
        [&](HDC dc) { skin::paintHeaderItem(head, dc, 0, VisualState::pressed); },
        [&](HDC) { VisualState s = VisualState::pressed; skin::paintComboButton(combo, nullptr, s, true); },
        [&](HDC) { skin::paintCheckBox(check, VisualState::hot, true); },
        [&](HDC) { skin::paintOptionButton(option, VisualState::pressed, true); },
        [&](HDC) { skin::paintHeaderItem(head, nullptr, 0, VisualState::hot); },
        viaHandlers(combo), viaHandlers(listCombo), viaHandlers(drive), viaHandlers(check), viaHandlers(option),
        viaHandlers(progress), viaHandlers(list), viaHandlers(head)};
    const auto state = [](HDC dc) {
        return std::vector<std::intptr_t>{std::intptr_t(GetCurrentObject(dc, OBJ_BRUSH)), std::intptr_t(GetCurrentObject(dc, OBJ_FONT)),
                                          std::intptr_t(GetCurrentObject(dc, OBJ_BITMAP)), GetBkMode(dc), GetTextColor(dc)};
    };
    for (int index = 0; index < int(std::size(painters)); ++index) {
        SCOPED_TRACE(index);
        Dib dib(320, 40);
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        SelectObject(dib.dc(), brush);
        SelectObject(dib.dc(), GetStockObject(SYSTEM_FIXED_FONT));
        SetBkMode(dib.dc(), OPAQUE);
        SetTextColor(dib.dc(), RGB(9, 8, 7));
        const auto before = state(dib.dc());
        painters[index](dib.dc());
        EXPECT_TRUE(index >= 2 || dib.countNot(kSentinel) > 0) << "the painter drew into the context";
        const int objects = liveGdiObjects();
        for (int i = 0; i < 10; ++i)
            painters[index](dib.dc());
        EXPECT_EQ(liveGdiObjects(), objects);
        EXPECT_EQ(state(dib.dc()), before);
        SelectObject(dib.dc(), GetStockObject(WHITE_BRUSH));
        DeleteObject(brush);
    }
}

} // namespace
} // namespace qmtest
