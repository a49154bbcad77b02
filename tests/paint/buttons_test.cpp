// The combo box drop-down button, check box squares and option button
// circles: where they lie, which look they show, and when they are drawn.
#include "paint/paint_fixture.h"

#include "skin/paint/check_option.h"
#include "skin/paint/combo_button.h"

namespace qmtest {
namespace {

using enum skin::VisualState;

// A halved whole size rounded to the nearest pixel, halves to the even neighbour.
int halfEven(int n) { return n / 2 + (n % 2 && n / 2 % 2); }

class Buttons : public PaintTest {
protected:
    // A 100-wide combo box whose closed height is exactly 21.
    HWND combo(DWORD style)
    {
        HWND hwnd = child(L"ComboBox", style | WS_VSCROLL, 10, 10, 100, 200);
        const auto height = [hwnd] { RECT r{}; GetWindowRect(hwnd, &r); return r.bottom - r.top; };
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
        // The closed height follows the selection field's height; step it until the window is 21 high.
        LRESULT asked = SendMessageW(hwnd, CB_GETITEMHEIGHT, WPARAM(-1), 0);
        for (int i = 0; i < 4 && height() != 21; ++i)
            SendMessageW(hwnd, CB_SETITEMHEIGHT, WPARAM(-1), asked += 21 - height());
        EXPECT_EQ(height(), 21);
        settle(hwnd);
        return hwnd;
    }
    // The button painted into a fresh sentinel-filled picture; `state` as the painter leaves it.
    static Dib paintCombo(HWND hwnd, VisualState& state, bool force = true)
    {
        Dib dib(100, 80);
        skin::paintComboButton(hwnd, dib.dc(), state, force);
        return dib;
    }
    HWND control(const wchar_t* cls, DWORD style, int height, WPARAM check)
    {
        HWND hwnd = child(cls, style, 10, 10, 120, height, 0, L"Caption");
        SendMessageW(hwnd, BM_SETCHECK, check, 0);
        settle(hwnd);
        return hwnd;
    }
};

TEST_F(Buttons, ComboButtonFillsTheColumnInsideTheFrameWithTheArrowCentred)
{
    HWND hwnd = combo(CBS_DROPDOWNLIST);
    // With s = SM_CXVSCROLL: (s + 1) x 19 at (100 - s - 2, 1), the 7 x 4 arrow centred in it.
    const int s = GetSystemMetrics(SM_CXVSCROLL), left = 100 - s - 2;
    const int ax = left + halfEven(s + 1 - 7), ay = 1 + halfEven(19 - 4);
    for (bool enabled : {true, false}) { // disabled: the same white face, the grey arrow
        EnableWindow(hwnd, enabled);
        VisualState state = normal;
        const Dib dib = paintCombo(hwnd, state);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 100; ++x) {
                const bool inside = x >= left && x <= left + s && y >= 1 && y < 20;
                const bool arrow = x >= ax && x < ax + 7 && y >= ay && y < ay + 4;
                ASSERT_EQ(dib.pixel(x, y) != kSentinel, inside) << x << "," << y;
                ASSERT_TRUE(!inside || arrow || dib.pixel(x, y) == skin::kWhite) << x << "," << y;
            }
        EXPECT_EQ(imageMismatches(dib, ax, ay, skin::comboButtonImage(), 8, enabled ? 0 : 4, 7, 4), 0) << enabled;
    }
}

TEST_F(Buttons, ComboHotWhileDroppedDownDrawsAndStoresPressed)
{
    HWND hwnd = combo(CBS_DROPDOWNLIST);
    VisualState pressedState = pressed, hotState = hot, asked = hot;
    const Dib pressedLook = paintCombo(hwnd, pressedState);
    ASSERT_FALSE(samePixels(pressedLook, paintCombo(hwnd, hotState)));
    skin::setState(hwnd, normal);
    SendMessageW(hwnd, CB_SHOWDROPDOWN, TRUE, 0);
    const Dib dropped = paintCombo(hwnd, asked, false);
    SendMessageW(hwnd, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(asked, pressed);
    EXPECT_EQ(skin::getState(hwnd), pressed);
    EXPECT_TRUE(samePixels(dropped, pressedLook));
}

TEST_F(Buttons, ComboDrawsOnAChangeOrWhenForcedAndNeverOnASimpleCombo)
{
    HWND hwnd = combo(CBS_DROPDOWN);
    VisualState state = hot;
    EXPECT_GT(paintCombo(hwnd, state, false).countNot(kSentinel), 0);
    EXPECT_EQ(skin::getState(hwnd), hot);
    EXPECT_EQ(paintCombo(hwnd, state, false).countNot(kSentinel), 0);
    EXPECT_GT(paintCombo(hwnd, state, true).countNot(kSentinel), 0);
    HWND simple = child(L"ComboBox", CBS_SIMPLE, 10, 40, 100, 80);
    for (VisualState asked : {hot, pressed, normal}) {
        EXPECT_EQ(paintCombo(simple, asked).countNot(kSentinel), 0);
        EXPECT_EQ(skin::getState(simple), normal);
    }
}

TEST_F(Buttons, EditableComboIsPaintedByTheSkinAlone)
{
    HWND hwnd = combo(CBS_DROPDOWN);
    EXPECT_EQ(skinPaint(hwnd), 0);
    EXPECT_EQ(CountingProc::paints, 0);
    const Dib dib = pixels(hwnd);
    EXPECT_EQ(dib.pixel(0, 0), skin::kSkinFrameColour);
    EXPECT_EQ(dib.pixel(99, 20), skin::kSkinFrameColour);
    EXPECT_EQ(dib.pixel(100 - GetSystemMetrics(SM_CXVSCROLL) - 2, 1), skin::kWhite); // the button's normal face
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE)); // nothing left to paint
}

TEST_F(Buttons, CheckSquaresOptionCirclesAndTheirMarks)
{
    if (GetSystemMetrics(SM_CXMENUCHECK) != 13 || GetSystemMetrics(SM_CYMENUCHECK) != 13)
        GTEST_SKIP() << "positions are given for a 13 x 13 check mark";
    constexpr COLORREF skinFrame = skin::kSkinFrameColour, disabled = skin::kDisabledFrameColour, none = 0;
    const auto mark = skin::markGlyphImage, bubble = skin::optionBubbleImage;
    // The check box square (in `frame`) at (0, top = round((height - 13) / 2)), halves to even, and image cells
    // {image, x, y from the top, source x, y, w, h} it shows: the glyph centred in the square, the option circle
    // from its state's tile with the dot at (4, 4) on it.
    struct Cell { HDC (*image)() noexcept; int x, y, sx, sy, w, h; };
    const struct { const wchar_t* cls; DWORD style; int height; WPARAM check; VisualState state; bool enabled; int top;
                   COLORREF frame; Cell cells[2]; } rows[] = {
        {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, normal, true, 2, skinFrame, {{mark, 2, 2, 0, 0, 9, 8}}}, // 2.5 -> 2
        {kCheckClass, BS_AUTO3STATE, 17, BST_INDETERMINATE, normal, true, 2, skinFrame, {{mark, 3, 3, 1, 9, 7, 7}}},
        {kCheckClass, BS_AUTO3STATE, 18, BST_CHECKED, normal, true, 2, skinFrame, {{mark, 2, 2, 0, 0, 9, 8}}}, // 2.5 -> 2
        {kCheckClass, BS_AUTO3STATE, 20, BST_CHECKED, normal, true, 4, skinFrame, {{mark, 2, 2, 0, 0, 9, 8}}}, // 3.5 -> 4
        // Disabled and checked: the grey mark in the disabled frame, whatever the state asked.
        {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, pressed, false, 2, disabled, {{mark, 2, 2, 9, 0, 9, 8}}},
        {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, hot, false, 2, disabled, {{mark, 2, 2, 9, 0, 9, 8}}},
        {kCheckClass, BS_AUTO3STATE, 17, BST_CHECKED, normal, false, 2, disabled, {{mark, 2, 2, 9, 0, 9, 8}}},
        {kCheckClass, BS_AUTO3STATE, 17, BST_UNCHECKED, pressed, true, 2, skin::kPressedFrameColour, {}},
        {kCheckClass, BS_AUTO3STATE, 17, BST_UNCHECKED, hot, true, 2, skinFrame, {}},
        {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_CHECKED, normal, true, 2, none, {{bubble, 0, 0, 0, 0, 13, 4}, {mark, 4, 4, 2, 18, 5, 5}}},
        {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_UNCHECKED, hot, true, 2, none, {{bubble, 0, 0, 0, 13, 13, 13}}},
        {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_CHECKED, pressed, true, 2, none, {{bubble, 0, 0, 0, 26, 13, 4}, {mark, 4, 4, 2, 18, 5, 5}}},
        {kOptionClass, BS_AUTORADIOBUTTON, 17, BST_CHECKED, hot, false, 2, none, {{bubble, 0, 0, 0, 39, 13, 4}, {mark, 4, 4, 11, 18, 5, 5}}},
        {kOptionClass, BS_AUTO3STATE, 17, BST_INDETERMINATE, normal, true, 2, none, {{bubble, 0, 0, 0, 0, 13, 13}}}, // no dot
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        HWND hwnd = control(row.cls, row.style, row.height, row.check);
        EnableWindow(hwnd, row.enabled);
        EXPECT_EQ((row.frame ? skin::paintCheckBox : skin::paintOptionButton)(hwnd, row.state, true), 1);
        EXPECT_EQ(skin::getState(hwnd), row.state);
        const Dib dib = pixels(hwnd);
        for (const Cell& c : row.cells)
            EXPECT_EQ(c.image ? imageMismatches(dib, c.x, row.top + c.y, c.image(), c.sx, c.sy, c.w, c.h) : 0, 0);
        DestroyWindow(hwnd);
        if (!row.frame)
            continue;
        for (auto [x, y] : {std::pair{0, 0}, {12, 0}, {0, 12}, {12, 12}})
            EXPECT_EQ(hex(dib.pixel(x, row.top + y)), hex(row.frame));
        EXPECT_NE(dib.pixel(6, row.top - 1), row.frame);
        EXPECT_NE(dib.pixel(6, row.top + 13), row.frame);
        if (row.enabled && row.state != normal)
            EXPECT_NE(dib.pixel(6, row.top + 6), skin::kWhite) << "the hot or pressed band";
        else
            EXPECT_EQ(dib.pixel(1, row.top + 1), skin::kWhite) << "no band";
    }
}

TEST_F(Buttons, TwiceHotUnforcedDrawsOnce)
{
    const int cy = GetSystemMetrics(SM_CYMENUCHECK), x = GetSystemMetrics(SM_CXMENUCHECK) / 2, y = halfEven(17 - cy) + cy / 2;
    for (auto paint : {skin::paintCheckBox, skin::paintOptionButton}) {
        HWND hwnd = control(paint == skin::paintCheckBox ? kCheckClass : kOptionClass, BS_AUTOCHECKBOX, 17, BST_UNCHECKED);
        EXPECT_EQ(paint(hwnd, hot, false), 1);
        const COLORREF hotLook = pixels(hwnd).pixel(x, y);
        EXPECT_EQ(paint(hwnd, hot, false), 0);
        EXPECT_EQ(skin::getState(hwnd), hot);
        EXPECT_EQ(paint(hwnd, normal, false), 1);
        EXPECT_EQ(skin::getState(hwnd), normal);
        EXPECT_NE(pixels(hwnd).pixel(x, y), hotLook);
        DestroyWindow(hwnd);
    }
}

} // namespace
} // namespace qmtest
