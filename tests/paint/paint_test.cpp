// The painters, control by control: each row paints a control through the
// skin's handlers (or calls its painter) and adds what the window shows to a
// sheet, checked against one golden per family; whether the control's own
// painting ran is checked beside it. Then the painters' DC hygiene.
#include "paint/paint_fixture.h"

#include "skin/paint/check_option.h"
#include "skin/paint/combo_button.h"
#include "skin/paint/header.h"
#include "support/gdi_count.h"

#include <cstdint>
#include <functional>
#include <list>

namespace qmtest {
namespace {

using enum skin::VisualState;

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

class Painters : public PaintTest {
protected:
    // A 100-wide combo box whose closed height is exactly 21.
    HWND combo(DWORD style)
    {
        HWND hwnd = child(L"ComboBox", style | WS_VSCROLL, 10, 10, 100, 200);
        const auto height = [hwnd] { RECT r{}; GetWindowRect(hwnd, &r); return r.bottom - r.top; };
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
        LRESULT asked = SendMessageW(hwnd, CB_GETITEMHEIGHT, WPARAM(-1), 0);
        for (int i = 0; i < 4 && height() != 21; ++i)
            SendMessageW(hwnd, CB_SETITEMHEIGHT, WPARAM(-1), asked += 21 - height());
        EXPECT_EQ(height(), 21);
        settle(hwnd);
        return hwnd;
    }
    static Dib paintCombo(HWND hwnd, VisualState& state, bool force = true)
    {
        Dib dib(100, 24);
        skin::paintComboButton(hwnd, dib.dc(), state, force);
        return dib;
    }
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
    // Adds what the window shows (frame included) to the sheet and destroys it.
    void shoot(HWND hwnd, bool keep = false)
    {
        shots.push_back(pixels(hwnd));
        if (!keep)
            DestroyWindow(hwnd);
    }
    ::testing::AssertionResult sheetMatches(const wchar_t* name)
    {
        std::vector<const Dib*> parts;
        for (const Dib& shot : shots)
            parts.push_back(&shot);
        auto result = matchesGolden(stack(parts), name);
        shots.clear();
        return result;
    }
    std::list<Dib> shots;
};

TEST_F(Painters, ComboButtonsInEveryStateAndWhenTheyDraw)
{
    HWND hwnd = combo(CBS_DROPDOWNLIST);
    for (bool enabled : {true, false}) {
        EnableWindow(hwnd, enabled);
        for (VisualState state : {normal, hot, pressed})
            shots.push_back(paintCombo(hwnd, state));
    }
    EnableWindow(hwnd, TRUE);
    // Hot while dropped down draws and stores pressed.
    VisualState asked = hot;
    skin::setState(hwnd, normal);
    SendMessageW(hwnd, CB_SHOWDROPDOWN, TRUE, 0);
    shots.push_back(paintCombo(hwnd, asked, false));
    SendMessageW(hwnd, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(asked, pressed);
    EXPECT_EQ(skin::getState(hwnd), pressed);
    // The editable combo is painted by the skin alone, with nothing left to paint.
    HWND editable = combo(CBS_DROPDOWN);
    EXPECT_EQ(skinPaint(editable), 0);
    EXPECT_EQ(CountingProc::paints, 0);
    EXPECT_FALSE(GetUpdateRect(editable, nullptr, FALSE));
    shoot(editable, true);
    EXPECT_TRUE(sheetMatches(L"combo-buttons"));

    // Unforced, it draws only on a change of state; a simple combo never.
    VisualState state = hot;
    EXPECT_GT(paintCombo(editable, state, false).countNot(kSentinel), 0);
    EXPECT_EQ(paintCombo(editable, state, false).countNot(kSentinel), 0);
    HWND simple = child(L"ComboBox", CBS_SIMPLE, 10, 40, 100, 80);
    for (VisualState s : {hot, pressed}) {
        EXPECT_EQ(paintCombo(simple, s).countNot(kSentinel), 0);
        EXPECT_EQ(skin::getState(simple), normal);
    }
}

TEST_F(Painters, CheckBoxesAndOptionButtons)
{
    // Check box squares at heights whose halves round to even, each mark, disabled whatever the state asked.
    const struct { const wchar_t* cls; DWORD style; int height; WPARAM check; VisualState state; bool enabled; } rows[] = {
        {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, normal, true}, {kCheckClass, BS_AUTO3STATE, 17, BST_INDETERMINATE, normal, true},
        {kCheckClass, BS_AUTO3STATE, 18, BST_CHECKED, normal, true}, {kCheckClass, BS_AUTO3STATE, 20, BST_CHECKED, normal, true},
        {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, pressed, false}, {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, hot, false},
        {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, normal, false}, {kCheckClass, BS_AUTO3STATE, 17, BST_UNCHECKED, pressed, true},
        {kCheckClass, BS_AUTO3STATE, 17, BST_UNCHECKED, hot, true},
        {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_CHECKED, normal, true}, {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_UNCHECKED, hot, true},
        {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_CHECKED, pressed, true}, {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_CHECKED, hot, false},
        {kOptionClass, BS_AUTO3STATE, 17, BST_INDETERMINATE, normal, true}};
    for (const auto& row : rows) {
        HWND hwnd = child(row.cls, row.style, 10, 10, 120, row.height, 0, L"Caption");
        SendMessageW(hwnd, BM_SETCHECK, row.check, 0);
        EnableWindow(hwnd, row.enabled);
        settle(hwnd);
        const bool check = row.cls == kCheckClass;
        EXPECT_EQ((check ? skin::paintCheckBox : skin::paintOptionButton)(hwnd, row.state, true), 1);
        EXPECT_EQ(skin::getState(hwnd), row.state);
        shoot(hwnd);
    }
    EXPECT_TRUE(sheetMatches(L"check-option"));
}

TEST_F(Painters, ProgressBarsArePaintedByTheSkinAlone)
{
    // 15000 on 101 pixels is 50.5, which goes to the even 50; beyond 30000 fills all and stays inside the frame.
    const struct { DWORD style; int w, h, position; bool enabled; } rows[] = {
        {PBS_SMOOTH, 101, 12, 15000, true}, {PBS_SMOOTH, 101, 12, 15000, false}, {PBS_SMOOTH, 101, 12, 0, true},
        {PBS_SMOOTH, 101, 12, 30000, true}, {PBS_SMOOTH, 101, 12, 35000, true}, {PBS_SMOOTH, 101, 12, 7500, true},
        {PBS_VERTICAL, 12, 40, 7500, true}, {PBS_VERTICAL | PBS_SMOOTH, 12, 40, 40000, true}};
    for (const auto& row : rows) {
        HWND hwnd = bar(row.style, row.w, row.h, row.position);
        EnableWindow(hwnd, row.enabled);
        for (UINT msg : {WM_NCPAINT, WM_PAINT}) { // a segmented vertical bar shows its fill at the client paint
            EXPECT_EQ(skinPaint(hwnd, msg), 0);
            EXPECT_EQ(CountingProc::paints + CountingProc::ncPaints, 0) << "its own painting ran";
        }
        shoot(hwnd);
    }
    EXPECT_TRUE(sheetMatches(L"progress-bars"));
}

TEST_F(Painters, HeadersFollowPressedAndHotItemsAndCutLongCaptions)
{
    // Pressed wins over hot on the same item; only the hot item uses the hot slice; beyond the last item the
    // stretched normal column.
    const int rows[][2] = {{1, 1}, {-1, 2}, {0, 2}, {-1, -1}};
    HWND hwnd = header();
    for (auto [pressedItem, hotItem] : rows) {
        skin::setProp(hwnd, skin::prop::kHdIndex, pressedItem);
        skin::setProp(hwnd, skin::prop::kHmIndex, hotItem);
        EXPECT_EQ(skinPaint(hwnd), 0);
        EXPECT_EQ(CountingProc::paints, 0);
        shoot(hwnd, true);
    }
    Dib items(300, 20); // one item or nothing
    for (int index : {-1, 7})
        EXPECT_EQ(skin::paintHeaderItem(hwnd, items.dc(), index, hot), 0);
    EXPECT_EQ(skin::paintHeaderItem(hwnd, items.dc(), 1, hot), 0);
    shots.push_back(std::move(items));
    DestroyWindow(hwnd);
    hwnd = header(3, L"A caption far too long for its column");
    skinPaint(hwnd);
    shoot(hwnd);
    EXPECT_TRUE(sheetMatches(L"headers"));
}

TEST_F(Painters, FlatFramesReplaceClientEdgesOrAreDrawnOverOwnPainting)
{
    // A client edge becomes a flat frame in the client's background colour (which the own-context list keeps).
    HWND list = child(kOwnDcList, 0, 10, 10, 120, 80, WS_EX_CLIENTEDGE);
    for (bool enabled : {true, false}) {
        EnableWindow(list, enabled);
        settle(list);
        HDC own = GetDC(list);
        SetBkColor(own, RGB(0x33, 0x66, 0x99));
        ReleaseDC(list, own);
        skinPaint(list, WM_NCPAINT);
        EXPECT_EQ(CountingProc::ncPaints, 1);
        shoot(list, true);
    }
    // A data list, a window without a client edge and a grid without a border keep their own frame; bordered
    // data lists and grids get the skin's frame over their own painting.
    const struct { const wchar_t* cls; DWORD style, exStyle; UINT msg; bool enabled; } rows[] = {
        {kDataListClass, 0, WS_EX_CLIENTEDGE, WM_NCPAINT, true}, {L"ListBox", WS_BORDER, 0, WM_NCPAINT, true},
        {L"Button", 0, 0, WM_NCPAINT, true}, {kGridClass, SS_GRAYRECT, 0, WM_PAINT, true},
        {kDataListClass, WS_BORDER, 0, WM_PAINT, true}, {kDataListClass, WS_BORDER, 0, WM_PAINT, false},
        {kGridClass, WS_BORDER | SS_GRAYRECT, 0, WM_PAINT, true}, {kGridClass, WS_BORDER | SS_GRAYRECT, 0, WM_PAINT, false}};
    for (const auto& row : rows) {
        HWND hwnd = child(row.cls, row.style, 10, 10, 120, 60, row.exStyle);
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
        EnableWindow(hwnd, row.enabled);
        settle(hwnd);
        skinPaint(hwnd, row.msg);
        EXPECT_EQ(CountingProc::paints + CountingProc::ncPaints, 1) << "its own painting runs, row " << &row - rows;
        shoot(hwnd);
    }
    EXPECT_TRUE(sheetMatches(L"frames"));

    // The border is half the non-client width without scroll bars: 5 pixels halve to 2.5, which goes to 2; 7 to 4.
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = insetProc, wc.hInstance = GetModuleHandleW(nullptr), wc.lpszClassName = L"InsetClientWindow";
    RegisterClassExW(&wc);
    const struct { int left, right; DWORD style; int bx; } insets[] = {
        {2, 3, 0, 2}, {3, 4, 0, 4}, {2, 2, 0, 2}, {0, 1, 0, 0}, {2, 2, WS_VSCROLL, 2}, {3, 4, WS_VSCROLL | WS_HSCROLL, 4}};
    for (const auto& row : insets) {
        HWND hwnd = CreateWindowExW(0, L"InsetClientWindow", L"", WS_CHILD | WS_VISIBLE | row.style, 10, 10, 100, 60, host_,
                                    nullptr, nullptr, reinterpret_cast<void*>(LONG_PTR(MAKELONG(row.left, row.right))));
        int bx = -1, by = -1;
        EXPECT_EQ(skin::measureBorderThickness(hwnd, bx, by), 1);
        EXPECT_EQ(std::pair(bx, by), std::pair(row.bx, row.bx)) << row.left << " + " << row.right << ", " << row.style;
        DestroyWindow(hwnd);
    }
}

// Each painter runs once to warm caches, then ten more times: the GDI object count stays and a context handed
// in keeps its objects and modes.
TEST_F(Painters, LeaveContextsAsFoundAndReleaseWhatTheyTake)
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
        [&](HDC dc) { VisualState s = hot; skin::paintComboButton(listCombo, dc, s, true); },
        [&](HDC dc) { skin::paintHeaderItem(head, dc, 0, pressed); },
        [&](HDC) { VisualState s = pressed; skin::paintComboButton(combo, nullptr, s, true); },
        [&](HDC) { skin::paintCheckBox(check, hot, true); },
        [&](HDC) { skin::paintOptionButton(option, pressed, true); },
        [&](HDC) { skin::paintHeaderItem(head, nullptr, 0, hot); },
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
