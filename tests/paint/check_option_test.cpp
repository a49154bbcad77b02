// Check box squares and option button circles drawn over the controls' own
// glyphs: position, marks, disabled and pressed looks, and redraw skipping.
#include "paint/paint_fixture.h"

#include "skin/core/properties.h"
#include "skin/images/skin_images.h"
#include "skin/paint/check_option.h"

using skin::VisualState;

namespace qmtest {
namespace {

constexpr wchar_t kCheckClass[] = L"ThunderRT6CheckBox";
constexpr wchar_t kOptionClass[] = L"ThunderRT6OptionButton";

class CheckOption : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        registerSuperclass(kCheckClass, L"Button");
        registerSuperclass(kOptionClass, L"Button");
        cx_ = GetSystemMetrics(SM_CXMENUCHECK);
        cy_ = GetSystemMetrics(SM_CYMENUCHECK);
    }
    HWND control(const wchar_t* cls, DWORD style, int height, WPARAM check)
    {
        HWND hwnd = child(cls, style, 10, 10, 120, height, 0, L"Caption");
        SendMessageW(hwnd, BM_SETCHECK, check, 0);
        settle(hwnd);
        return hwnd;
    }
    // The positions below are the ones a 13-pixel check-mark size gives.
    bool pinnedMetrics() const { return cx_ == 13 && cy_ == 13; }

    int cx_ = 0;
    int cy_ = 0;
};

struct SquareRow {
    int height;
    WPARAM check;
    int squareTop;   // the square, at x 0
    int glyphX, glyphY, glyphWidth, glyphHeight; // inside the square
    int sourceX, sourceY;                         // in the mark image
};

TEST_F(CheckOption, CheckBoxSquareAndMarksSitWhereHalvingToEvenPutsThem)
{
    if (!pinnedMetrics())
        GTEST_SKIP() << "positions are given for a 13 x 13 check mark";
    const SquareRow rows[] = {
        // 17 high: (17 - 13) / 2 = 2; the mark at (2, 2): 5 / 2 goes down to 2.
        {17, BST_CHECKED, 2, 2, 2, 9, 8, 0, 0},
        {17, BST_INDETERMINATE, 2, 3, 3, 7, 7, 1, 9},
        // 2.5 goes down to 2, 3.5 up to 4.
        {18, BST_CHECKED, 2, 2, 2, 9, 8, 0, 0},
        {20, BST_CHECKED, 4, 2, 2, 9, 8, 0, 0},
    };
    for (const SquareRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "height " << row.height << ", check " << row.check);
        HWND hwnd = control(kCheckClass, BS_AUTO3STATE, row.height, row.check);
        EXPECT_EQ(skin::paintCheckBox(hwnd, VisualState::normal, true), 1);
        const Dib dib = windowPixels(hwnd);
        for (POINT corner : {POINT{0, 0}, POINT{12, 0}, POINT{0, 12}, POINT{12, 12}})
            EXPECT_EQ(dib.pixel(corner.x, row.squareTop + corner.y), skin::kSkinFrameColour);
        EXPECT_NE(dib.pixel(6, row.squareTop - 1), skin::kSkinFrameColour);
        EXPECT_NE(dib.pixel(6, row.squareTop + 13), skin::kSkinFrameColour);
        EXPECT_EQ(imageMismatches(dib, row.glyphX, row.squareTop + row.glyphY, skin::markGlyphImage(),
                                  row.sourceX, row.sourceY, row.glyphWidth, row.glyphHeight), 0);
        EXPECT_EQ(dib.pixel(1, row.squareTop + 1), skin::kWhite);
        DestroyWindow(hwnd);
    }
}

TEST_F(CheckOption, DisabledCheckedBoxShowsGreyMarkWhateverTheState)
{
    if (!pinnedMetrics())
        GTEST_SKIP() << "positions are given for a 13 x 13 check mark";
    HWND hwnd = control(kCheckClass, BS_AUTOCHECKBOX, 17, BST_CHECKED);
    EnableWindow(hwnd, FALSE);
    for (VisualState state : {VisualState::pressed, VisualState::hot, VisualState::normal}) {
        EXPECT_EQ(skin::paintCheckBox(hwnd, state, true), 1);
        const Dib dib = windowPixels(hwnd);
        EXPECT_EQ(dib.pixel(0, 2), skin::kDisabledFrameColour);
        EXPECT_EQ(dib.pixel(12, 14), skin::kDisabledFrameColour);
        EXPECT_EQ(dib.pixel(1, 3), skin::kWhite) << "no hot or pressed band";
        EXPECT_EQ(imageMismatches(dib, 2, 4, skin::markGlyphImage(), 9, 0, 9, 8), 0);
    }
}

TEST_F(CheckOption, HotAndPressedBoxesShowTheirFrameAndBand)
{
    HWND hwnd = control(kCheckClass, BS_AUTOCHECKBOX, 17, BST_UNCHECKED);
    const int top = (17 - cy_) / 2;
    skin::paintCheckBox(hwnd, VisualState::pressed, true);
    Dib pressed = windowPixels(hwnd);
    EXPECT_EQ(pressed.pixel(0, top), skin::kPressedFrameColour);
    skin::paintCheckBox(hwnd, VisualState::hot, true);
    Dib hot = windowPixels(hwnd);
    EXPECT_EQ(hot.pixel(0, top), skin::kSkinFrameColour);
    EXPECT_NE(hot.pixel(cx_ / 2, top + cy_ / 2), skin::kWhite);
    EXPECT_NE(hot.pixel(cx_ / 2, top + cy_ / 2), pressed.pixel(cx_ / 2, top + cy_ / 2));
}

struct CircleRow {
    const char* what;
    DWORD style;
    WPARAM check;
    VisualState state;
    bool enabled;
    int tileY;
    bool dot;
    int dotSourceX;
};

TEST_F(CheckOption, OptionCircleAndDot)
{
    if (!pinnedMetrics())
        GTEST_SKIP() << "positions are given for a 13 x 13 check mark";
    const CircleRow rows[] = {
        {"normal, checked", BS_AUTORADIOBUTTON, BST_CHECKED, VisualState::normal, true, 0, true, 2},
        {"hot, unchecked", BS_AUTORADIOBUTTON, BST_UNCHECKED, VisualState::hot, true, 13, false, 2},
        {"pressed, checked", BS_AUTORADIOBUTTON, BST_CHECKED, VisualState::pressed, true, 26, true, 2},
        {"disabled, checked", BS_AUTORADIOBUTTON, BST_CHECKED, VisualState::hot, false, 39, true, 11},
        // A control that reports the third check value shows no dot.
        {"indeterminate", BS_AUTO3STATE, BST_INDETERMINATE, VisualState::normal, true, 0, false, 2},
    };
    for (const CircleRow& row : rows) {
        SCOPED_TRACE(row.what);
        HWND hwnd = control(kOptionClass, row.style, 17, row.check);
        EnableWindow(hwnd, row.enabled);
        EXPECT_EQ(skin::paintOptionButton(hwnd, row.state, true), 1);
        const Dib dib = windowPixels(hwnd);
        // Circle at (0, 2); the dot at (4, 6) on top of it.
        if (row.dot) {
            EXPECT_EQ(imageMismatches(dib, 4, 6, skin::markGlyphImage(), row.dotSourceX, 18, 5, 5), 0);
        } else {
            EXPECT_EQ(imageMismatches(dib, 0, 2, skin::optionBubbleImage(), 0, row.tileY, 13, 13), 0);
        }
        // The ring outside the dot is the state's tile either way.
        EXPECT_EQ(imageMismatches(dib, 0, 2, skin::optionBubbleImage(), 0, row.tileY, 13, 4), 0);
        EXPECT_EQ(skin::getState(hwnd), row.state);
        DestroyWindow(hwnd);
    }
}

TEST_F(CheckOption, TwiceHotUnforcedDrawsOnce)
{
    for (const wchar_t* cls : {kCheckClass, kOptionClass}) {
        HWND hwnd = control(cls, BS_AUTOCHECKBOX, 17, BST_UNCHECKED);
        auto paint = cls == kCheckClass ? skin::paintCheckBox : skin::paintOptionButton;
        EXPECT_EQ(paint(hwnd, VisualState::hot, false), 1);
        const Dib first = windowPixels(hwnd);
        EXPECT_EQ(paint(hwnd, VisualState::hot, false), 0);
        EXPECT_EQ(skin::getState(hwnd), VisualState::hot);
        EXPECT_EQ(paint(hwnd, VisualState::normal, false), 1);
        EXPECT_EQ(skin::getState(hwnd), VisualState::normal);
        EXPECT_NE(first.pixel(cx_ / 2, (17 - cy_) / 2 + cy_ / 2), windowPixels(hwnd).pixel(cx_ / 2, (17 - cy_) / 2 + cy_ / 2));
        DestroyWindow(hwnd);
    }
}

} // namespace
} // namespace qmtest
