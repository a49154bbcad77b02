// Form1 under the skin, driven with real input: the hover fade, the pressed
// look, the skinned message box, the focus box following Tab, and enabling.
#include "app_support.h"

#include "skin/core/engine.h"
#include "skin/core/properties.h"
#include "skin/images/gdi.h"

namespace {

using namespace quillmend;
using skin::VisualState;

class SkinnedForm1 : public qmapp::ShownForm1 {
protected:
    void SetUp() override
    {
        ShownForm1::SetUp();
        ASSERT_NE(skin::savedProcOf(command2), nullptr);
        settle(command2);
    }
    bool fading(HWND hwnd) { return skin::getProp(hwnd, skin::prop::kTimerId) != 0; }
    bool settle(HWND hwnd) { return until([&] { return !fading(hwnd); }, 6000); }

    // The 161 x 25 button as the screen shows it matches state surface n,
    // inside the rounded corners.
    static bool shows(HWND hwnd, int n)
    {
        const qmtest::Dib now = qmtest::captureDc(skin::WindowDc(hwnd).get(), 0, 0, 161, 25);
        const qmtest::Dib surface = qmtest::captureDc(skin::stateSurface(hwnd, n), 0, 0, 161, 25);
        for (int y = 2; y < 23; ++y)
            for (int x = 2; x < 159; ++x)
                if (now.pixel(x, y) != surface.pixel(x, y))
                    return false;
        return true;
    }

    HWND command2 = control(L"Command2");
};

TEST_F(SkinnedForm1, HoverFadesTheHotFaceInAndLeavingFadesItOut)
{
    qmapp::moveCursorTo(command2);
    ASSERT_TRUE(until([&] { return fading(command2); }));
    EXPECT_EQ(skin::getState(command2), VisualState::hot);
    EXPECT_EQ(skin::getProp(command2, skin::prop::kMouseFlag), 1) << "one leave notification asked for";

    ASSERT_TRUE(settle(command2));
    EXPECT_EQ(skin::getAlpha(command2), 0);
    EXPECT_TRUE(shows(command2, 1));

    // Moving inside asks for nothing new; leaving onto the bare form fades out.
    qmapp::moveCursorTo(command2, POINT{5, 5});
    qmapp::pumpPending(form1.hwnd());
    EXPECT_FALSE(fading(command2));
    qmapp::moveCursorTo(form1.hwnd(), POINT{200, 140});
    ASSERT_TRUE(until([&] { return fading(command2); }));
    EXPECT_EQ(skin::getState(command2), VisualState::normal);
    EXPECT_EQ(skin::getProp(command2, skin::prop::kMouseFlag), 0);
    ASSERT_TRUE(settle(command2));
    EXPECT_TRUE(shows(command2, 0));
}

TEST_F(SkinnedForm1, PressShowsPressedAndTheClicksMessageBoxIsSkinnedToo)
{
    const int attached = skin::attachedWindowCount();
    bool boxSkinned = false;
    qmapp::BoxWatcher watcher({IDOK});
    watcher.onBox = [&] {
        HWND box = GetActiveWindow(), ok = FindWindowExW(box, nullptr, L"Button", nullptr);
        boxSkinned = skin::savedProcOf(box) && ok && skin::savedProcOf(ok);
    };
    qmapp::moveCursorTo(command2);
    qmapp::pumpPending(form1.hwnd());
    qmapp::mouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(until([&] { return skin::getState(command2) == VisualState::pressed; }));
    EXPECT_TRUE(shows(command2, 2)) << "pressed at once, at full strength";

    qmapp::mouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(until([&] { return !watcher.boxes.empty(); }));
    ASSERT_EQ(launcher.launches.size(), 1u) << "the click ran the action";
    EXPECT_TRUE(boxSkinned) << "the box and its button";
    qmapp::pumpPending(form1.hwnd());
    EXPECT_EQ(skin::attachedWindowCount(), attached) << "the box's windows were detached as they went";
    EXPECT_EQ(skin::getState(command2), VisualState::normal);
}

// Also the keyboard order: the focus starts on Command2, Tab walks the buttons
// top to bottom and wraps, Shift+Tab walks back, space clicks; and enabling.
TEST_F(SkinnedForm1, TabMovesTheFocusBoxWithAFadeAndSpacePressesInTheSkinsLook)
{
    HWND command3 = control(L"Command3"), command1 = control(L"Command1");
    ASSERT_EQ(GetFocus(), command2);
    const qmtest::Dib focusedFace = qmtest::captureDc(skin::stateSurface(command2, 0), 0, 0, 161, 25);

    qmapp::pressKey(VK_TAB);
    ASSERT_TRUE(until([&] { return GetFocus() == command3; }));
    EXPECT_TRUE(fading(command2) && fading(command3)) << "both fade; their own repaints do not cut it short";
    ASSERT_TRUE(settle(command2) && settle(command3));
    EXPECT_TRUE(shows(command2, 0));
    EXPECT_TRUE(shows(command3, 0));
    const qmtest::Dib plainFace = qmtest::captureDc(skin::stateSurface(command2, 0), 0, 0, 161, 25);
    EXPECT_FALSE(plainFace.pixel(2, 12) == focusedFace.pixel(2, 12) && plainFace.pixel(3, 12) == focusedFace.pixel(3, 12))
        << "the focus box left Command2";

    qmapp::pressKey(VK_TAB);
    ASSERT_TRUE(until([&] { return GetFocus() == command1; }));
    settle(command1);
    qmapp::BoxWatcher watcher({IDNO});
    qmapp::key(VK_SPACE);
    ASSERT_TRUE(until([&] { return skin::getState(command1) == VisualState::pressed; }));
    EXPECT_TRUE(shows(command1, 2));
    qmapp::key(VK_SPACE, KEYEVENTF_KEYUP);
    ASSERT_TRUE(until([&] { return !watcher.boxes.empty(); }));
    EXPECT_EQ(watcher.boxes[0].text, kRestartPrompt);
    qmapp::pumpPending(form1.hwnd());
    EXPECT_TRUE(launcher.launches.empty()) << "No starts nothing";
    EXPECT_EQ(skin::getState(command1), VisualState::normal);

    qmapp::pressKey(VK_TAB);
    EXPECT_TRUE(until([&] { return GetFocus() == command2; })) << "Tab wraps";
    qmapp::key(VK_SHIFT);
    qmapp::pressKey(VK_TAB);
    qmapp::key(VK_SHIFT, KEYEVENTF_KEYUP);
    EXPECT_TRUE(until([&] { return GetFocus() == command1; })) << "Shift+Tab";

    // Disabling and enabling show the new face at once.
    settle(command3);
    EnableWindow(command3, FALSE);
    EXPECT_EQ(skin::getState(command3), VisualState::disabled);
    EXPECT_TRUE(shows(command3, 3));
    EnableWindow(command3, TRUE);
    EXPECT_EQ(skin::getState(command3), VisualState::normal);
    EXPECT_TRUE(shows(command3, 0));
}

} // namespace
