// The combo box drop-down button: where it lies, which face it shows, and
// when it is drawn at all.
#include "paint/paint_fixture.h"

#include "skin/core/properties.h"
#include "skin/images/skin_images.h"
#include "skin/paint/client_paint.h"
#include "skin/paint/combo_button.h"

#include <cstdlib>

using skin::VisualState;

namespace qmtest {
namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 21;

class ComboButton : public PaintTest {
protected:
    // A combo box of the given style whose closed height is exactly 21.
    HWND combo(DWORD style)
    {
        HWND hwnd = child(L"ComboBox", style | WS_VSCROLL, 10, 10, kWidth, 200);
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"two"));
        for (int i = 0; i < 4 && height(hwnd) != kHeight; ++i) {
            const auto item = SendMessageW(hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
            SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item + kHeight - height(hwnd));
        }
        EXPECT_EQ(height(hwnd), kHeight);
        settle(hwnd);
        return hwnd;
    }
    static int height(HWND hwnd)
    {
        RECT r{};
        GetWindowRect(hwnd, &r);
        return r.bottom - r.top;
    }
    // Paints into a fresh sentinel-filled picture of the window's size.
    static Dib paint(HWND hwnd, VisualState& state, bool force)
    {
        Dib dib(kWidth, kHeight);
        skin::paintComboButton(hwnd, dib.dc(), state, force);
        return dib;
    }
    static Dib paint(HWND hwnd, VisualState state)
    {
        return paint(hwnd, state, true);
    }
    static bool samePixels(const Dib& a, const Dib& b)
    {
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    return false;
        return true;
    }
};

TEST_F(ComboButton, CoversTheColumnInsideTheFrameWithTheArrowCentred)
{
    HWND hwnd = combo(CBS_DROPDOWNLIST);
    const int s = GetSystemMetrics(SM_CXVSCROLL);
    const Dib dib = paint(hwnd, VisualState::normal);

    // (s + 1) x 19 at (100 - s - 2, 1); the frame column and rows stay free.
    const int left = kWidth - s - 2;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool inside = x >= left && x < left + s + 1 && y >= 1 && y < kHeight - 1;
            ASSERT_EQ(dib.pixel(x, y) != kSentinel, inside) << "at " << x << ", " << y;
        }

    // The 7 x 4 arrow, centred; where halving leaves half a pixel the
    // position goes to the even neighbour: 11 / 2 -> 6 across, 15 / 2 -> 8 down.
    POINT arrow{-1, -1};
    for (int y = 1; y < kHeight - 1 && arrow.x < 0; ++y)
        for (int x = left; x < left + s + 1 && arrow.x < 0; ++x)
            if (dib.pixel(x, y) != skin::kWhite)
                arrow = {x - left, y - 1};
    EXPECT_EQ(arrow.y, 8);
    if (s == 17)
        EXPECT_EQ(arrow.x, 6);
    else
        EXPECT_LE(std::abs((s + 1 - 7 - arrow.x) - arrow.x), 1);
    const int arrowX = static_cast<int>(arrow.x);
    const int arrowY = static_cast<int>(arrow.y);
    EXPECT_EQ(imageMismatches(dib, left + arrowX, 1 + arrowY, skin::comboButtonImage(), 8, 0, 7, 4), 0);
    // The face around it is plain white.
    EXPECT_EQ(dib.pixel(left, 1), skin::kWhite);
    EXPECT_EQ(dib.pixel(left + s, kHeight - 2), skin::kWhite);
    EXPECT_EQ(dib.pixel(left + arrowX - 1, 1 + arrowY), skin::kWhite);
}

TEST_F(ComboButton, HotWhileDroppedDownDrawsAndStoresPressed)
{
    HWND hwnd = combo(CBS_DROPDOWNLIST);
    const Dib pressed = paint(hwnd, VisualState::pressed);
    const Dib hot = paint(hwnd, VisualState::hot);
    ASSERT_FALSE(samePixels(pressed, hot));

    skin::setState(hwnd, VisualState::normal);
    SendMessageW(hwnd, CB_SHOWDROPDOWN, TRUE, 0);
    VisualState asked = VisualState::hot;
    const Dib dropped = paint(hwnd, asked, false);
    SendMessageW(hwnd, CB_SHOWDROPDOWN, FALSE, 0);

    EXPECT_EQ(asked, VisualState::pressed);
    EXPECT_EQ(skin::getState(hwnd), VisualState::pressed);
    EXPECT_TRUE(samePixels(dropped, pressed));
}

TEST_F(ComboButton, SameStateUnforcedDrawsNothingForcedRedraws)
{
    HWND hwnd = combo(CBS_DROPDOWN);
    VisualState state = VisualState::hot;
    EXPECT_GT(paint(hwnd, state, false).countNot(kSentinel), 0);
    EXPECT_EQ(skin::getState(hwnd), VisualState::hot);
    EXPECT_EQ(paint(hwnd, state, false).countNot(kSentinel), 0);
    EXPECT_GT(paint(hwnd, state, true).countNot(kSentinel), 0);
}

TEST_F(ComboButton, SimpleComboIsNeverDrawnOn)
{
    HWND hwnd = child(L"ComboBox", CBS_SIMPLE, 10, 10, kWidth, 80);
    for (VisualState state : {VisualState::hot, VisualState::pressed, VisualState::normal}) {
        Dib dib(kWidth, 80);
        skin::paintComboButton(hwnd, dib.dc(), state, true);
        EXPECT_EQ(dib.countNot(kSentinel), 0);
        EXPECT_EQ(skin::getState(hwnd), VisualState::normal);
    }
}

TEST_F(ComboButton, DisabledShowsWhiteFaceAndGreyArrow)
{
    HWND hwnd = combo(CBS_DROPDOWNLIST);
    const int s = GetSystemMetrics(SM_CXVSCROLL);
    const Dib enabled = paint(hwnd, VisualState::normal);
    EnableWindow(hwnd, FALSE);
    const Dib disabled = paint(hwnd, VisualState::normal);

    const int left = kWidth - s - 2;
    int arrowX = 0;
    while (disabled.pixel(left + arrowX, 9) == skin::kWhite && arrowX <= s)
        ++arrowX;
    EXPECT_EQ(imageMismatches(disabled, left + arrowX, 9, skin::comboButtonImage(), 8, 4, 7, 4), 0);
    EXPECT_NE(disabled.pixel(left + s / 2, 9), enabled.pixel(left + s / 2, 9));
    EXPECT_EQ(disabled.pixel(left + 1, 2), skin::kWhite);
}

TEST_F(ComboButton, EditableDropDownIsPaintedByTheSkinAlone)
{
    HWND hwnd = combo(CBS_DROPDOWN);
    WNDPROC own = CountingProc::wrap(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    EXPECT_EQ(skin::onPaint(own, hwnd, WM_PAINT, 0, 0), 0);
    EXPECT_EQ(CountingProc::paints, 0);

    const Dib dib = windowPixels(hwnd);
    const int s = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(dib.pixel(0, 0), skin::kSkinFrameColour);
    EXPECT_EQ(dib.pixel(kWidth - 1, kHeight - 1), skin::kSkinFrameColour);
    EXPECT_EQ(dib.pixel(kWidth - s - 2, 1), skin::kWhite); // the button's normal face
    // Nothing is left to paint afterwards.
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
}

} // namespace
} // namespace qmtest
