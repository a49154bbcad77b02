// Form1 under the skin, driven with real input: the hover fade, the pressed
// look, the skinned message box, the focus box following Tab, and enabling.
#include "app_support.h"

#include "app/form1.h"
#include "skin/core/engine.h"
#include "skin/core/properties.h"
#include "skin/images/gdi.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace quillmend;

constexpr DWORD kFadeLimitMs = 6000;

class SkinnedForm1 : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCursorPos(1000, 740);
        form1.show();
        SetForegroundWindow(form1.hwnd());
        qmapp::pumpPending(form1.hwnd());
        command2 = form1.form().window(L"Command2");
        ASSERT_NE(skin::savedProcOf(command2), nullptr);
        settle(command2);
    }

    HWND button(const wchar_t* name) { return form1.form().window(name); }
    bool fading(HWND hwnd) { return skin::getProp(hwnd, skin::prop::kTimerId) != 0; }
    bool settle(HWND hwnd)
    {
        return qmapp::pumpUntil(form1.hwnd(), [&] { return !fading(hwnd); }, kFadeLimitMs);
    }

    // The button as the screen shows it matches state surface n, inside the
    // rounded corners.
    static bool shows(HWND hwnd, int n)
    {
        RECT r{};
        GetWindowRect(hwnd, &r);
        const int w = r.right - r.left;
        const int h = r.bottom - r.top;
        skin::WindowDc dc(hwnd);
        qmtest::Dib shown = qmtest::captureDc(dc.get(), 0, 0, w, h);
        qmtest::Dib surface = qmtest::captureDc(skin::stateSurface(hwnd, n), 0, 0, w, h);
        for (int y = 2; y < h - 2; ++y)
            for (int x = 2; x < w - 2; ++x)
                if (shown.pixel(x, y) != surface.pixel(x, y))
                    return false;
        return true;
    }

    static void mouseButton(DWORD flags)
    {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        SendInput(1, &in, sizeof in);
    }

    static void key(WORD vk, bool up)
    {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &in, sizeof in);
    }

    qmapp::RecordingLauncher launcher;
    Form1 form1{launcher, qmapp::freshTempDirectory(L"qm-skinned")};
    HWND command2 = nullptr;
};

} // namespace

TEST_F(SkinnedForm1, HoverFadesTheHotFaceInAndLeavingFadesItOut)
{
    qmapp::moveCursorToCentre(command2);
    ASSERT_TRUE(qmapp::pumpUntil(form1.hwnd(), [&] { return fading(command2); }));
    EXPECT_EQ(skin::getState(command2), skin::VisualState::hot);
    EXPECT_EQ(skin::getProp(command2, skin::prop::kMouseFlag), 1) << "one leave notification asked for";

    // A strip of frames of the fade, for people to look at.
    RECT r{};
    GetWindowRect(command2, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<qmtest::Dib> frames;
    int lastAlpha = -100;
    qmapp::pumpUntil(form1.hwnd(), [&] {
        const int alpha = skin::getAlpha(command2);
        if (fading(command2) && alpha >= lastAlpha + 40) {
            skin::WindowDc dc(command2);
            frames.push_back(qmtest::captureDc(dc.get(), 0, 0, w, h));
            lastAlpha = alpha;
        }
        return !fading(command2);
    }, kFadeLimitMs);
    ASSERT_FALSE(fading(command2));
    EXPECT_EQ(skin::getAlpha(command2), 0);
    EXPECT_TRUE(shows(command2, 1));
    qmtest::Dib strip(w * static_cast<int>(frames.size() + 1), h);
    for (size_t i = 0; i < frames.size(); ++i)
        BitBlt(strip.dc(), static_cast<int>(i) * w, 0, w, h, frames[i].dc(), 0, 0, SRCCOPY);
    skin::WindowDc dc(command2);
    BitBlt(strip.dc(), static_cast<int>(frames.size()) * w, 0, w, h, dc.get(), 0, 0, SRCCOPY);
    qmtest::savePng(strip, L"hover-fade-frames", 2);

    // Moving inside asks for nothing new; leaving onto the bare form fades out.
    qmapp::moveCursorTo(command2, {5, 5});
    qmapp::pumpPending(form1.hwnd());
    EXPECT_FALSE(fading(command2));
    qmapp::moveCursorTo(form1.hwnd(), {200, 140});
    ASSERT_TRUE(qmapp::pumpUntil(form1.hwnd(), [&] { return fading(command2); }));
    EXPECT_EQ(skin::getState(command2), skin::VisualState::normal);
    EXPECT_EQ(skin::getProp(command2, skin::prop::kMouseFlag), 0);
    ASSERT_TRUE(settle(command2));
    EXPECT_TRUE(shows(command2, 0));
}

TEST_F(SkinnedForm1, PressShowsPressedAndTheClicksMessageBoxIsSkinnedToo)
{
    const int attached = skin::attachedWindowCount();
    bool boxSkinned = false, boxButtonSkinned = false;
    qmapp::BoxWatcher watcher({qmapp::BoxAnswer::ok});
    watcher.onBox = [&](const qmapp::BoxSeen&) {
        HWND box = GetActiveWindow();
        boxSkinned = skin::savedProcOf(box) != nullptr;
        HWND ok = FindWindowExW(box, nullptr, L"Button", nullptr);
        boxButtonSkinned = ok && skin::savedProcOf(ok) != nullptr;
    };

    qmapp::moveCursorToCentre(command2);
    qmapp::pumpPending(form1.hwnd());
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(qmapp::pumpUntil(form1.hwnd(), [&] { return skin::getState(command2) == skin::VisualState::pressed; }));
    EXPECT_TRUE(shows(command2, 2)) << "pressed at once, at full strength";

    mouseButton(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(qmapp::pumpUntil(form1.hwnd(), [&] { return !watcher.boxes.empty(); }));
    ASSERT_EQ(launcher.launches.size(), 1u) << "the click ran the action";
    EXPECT_TRUE(boxSkinned);
    EXPECT_TRUE(boxButtonSkinned);
    qmapp::pumpPending(form1.hwnd());
    EXPECT_EQ(skin::attachedWindowCount(), attached) << "the box's windows were detached as they went";
    EXPECT_EQ(skin::getState(command2), skin::VisualState::normal);
}

TEST_F(SkinnedForm1, TabMovesTheFocusBoxWithAFadeAndSpacePressesInTheSkinsLook)
{
    HWND command3 = button(L"Command3");
    HWND command1 = button(L"Command1");
    ASSERT_EQ(GetFocus(), command2);
    qmtest::Dib focusedFace = qmtest::captureDc(skin::stateSurface(command2, 0), 0, 0, 161, 25);

    qmapp::pressKey(VK_TAB);
    ASSERT_TRUE(qmapp::pumpUntil(form1.hwnd(), [&] { return GetFocus() == command3; }));
    EXPECT_TRUE(fading(command2) && fading(command3)) << "both fade; their own repaints do not cut it short";
    ASSERT_TRUE(settle(command2) && settle(command3));
    EXPECT_TRUE(shows(command2, 0));
    EXPECT_TRUE(shows(command3, 0));
    qmtest::Dib plainFace = qmtest::captureDc(skin::stateSurface(command2, 0), 0, 0, 161, 25);
    EXPECT_NE(plainFace.pixel(2, 12) == focusedFace.pixel(2, 12) && plainFace.pixel(3, 12) == focusedFace.pixel(3, 12),
              true) << "the focus box left Command2";

    qmapp::pressKey(VK_TAB);
    ASSERT_TRUE(qmapp::pumpUntil(form1.hwnd(), [&] { return GetFocus() == command1; }));
    settle(command1);
    qmapp::BoxWatcher watcher({qmapp::BoxAnswer::no});
    key(VK_SPACE, false);
    ASSERT_TRUE(qmapp::pumpUntil(form1.hwnd(), [&] { return skin::getState(command1) == skin::VisualState::pressed; }));
    EXPECT_TRUE(shows(command1, 2));
    key(VK_SPACE, true);
    ASSERT_TRUE(qmapp::pumpUntil(form1.hwnd(), [&] { return !watcher.boxes.empty(); }));
    qmapp::pumpPending(form1.hwnd());
    EXPECT_TRUE(launcher.launches.empty()) << "No starts nothing";
    EXPECT_EQ(skin::getState(command1), skin::VisualState::normal);
}

TEST_F(SkinnedForm1, DisablingAndEnablingShowTheNewFaceAtOnce)
{
    HWND command3 = button(L"Command3");
    settle(command3);
    EnableWindow(command3, FALSE);
    EXPECT_EQ(skin::getState(command3), skin::VisualState::disabled);
    EXPECT_TRUE(shows(command3, 3));
    EnableWindow(command3, TRUE);
    EXPECT_EQ(skin::getState(command3), skin::VisualState::normal);
    EXPECT_TRUE(shows(command3, 0));
}
