// The fade: driven here by sending the timer messages ourselves.
#include "core_fixture.h"

#include "skin/images/gdi.h"
#include "skin/input/fade.h"
#include "skin/paint/button_face.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

using namespace qmtest;

namespace {

class Fade : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = makeTopLevel(L"Form", 200, 100);
        button = makeChild(form.get(), L"Button", L"Fade", BS_PUSHBUTTON, 10, 10, 161, 25);
        skin::startSkinEngine(form.get());
        pumpMessages();
    }
    void TearDown() override { skin::stopSkinEngine(form.get()); }

    // Sends timer messages until the fade stops; returns how many painted.
    int runFade(WPARAM timerId = skin::kFadeTimerId)
    {
        int steps = 0;
        do {
            levels.push_back(skin::getAlpha(button));
            SendMessageW(button, WM_TIMER, timerId, 0);
            ++steps;
        } while (skin::getProp(button, skin::prop::kTimerId) != 0 && steps < 1000);
        return steps;
    }

    UniqueWindow form;
    HWND button = nullptr;
    std::vector<int> levels;
};

} // namespace

TEST_F(Fade, FromZeroPaintsEightySixTimesAndEndsAtRest)
{
    skin::setState(button, skin::VisualState::hot);
    skin::setAlpha(button, 0);
    ASSERT_EQ(skin::startFadeTimer(button), skin::kFadeTimerId);
    EXPECT_EQ(runFade(), 86);
    EXPECT_EQ(levels.front(), 0);
    EXPECT_EQ(levels.back(), 255);
    for (size_t i = 1; i < levels.size(); ++i)
        EXPECT_EQ(levels[i], levels[i - 1] + 3);
    EXPECT_EQ(skin::getAlpha(button), 0);
    EXPECT_EQ(skin::getProp(button, skin::prop::kTimerId), 0);

    // The last step laid the hot surface over the button at full strength.
    // (Inside the rounded corners, which the window region cuts off.)
    skin::WindowDc windowDc(button);
    EXPECT_TRUE(samePixels(captureDc(windowDc.get(), 2, 2, 157, 21),
                           captureDc(skin::stateSurface(button, 1), 2, 2, 157, 21)));
}

TEST_F(Fade, FromSixtyPaintsSixtySixTimes)
{
    skin::setAlpha(button, 60);
    skin::startFadeTimer(button);
    EXPECT_EQ(runFade(), 66);
    EXPECT_EQ(levels.back(), 255);
}

TEST_F(Fade, OneTimerPerWindowAndStoppingNothingIsHarmless)
{
    EXPECT_EQ(skin::stopFadeTimer(button), FALSE);
    EXPECT_EQ(skin::startFadeTimer(button), skin::kFadeTimerId);
    EXPECT_EQ(skin::startFadeTimer(button), 0u) << "no second timer";
    EXPECT_EQ(skin::getProp(button, skin::prop::kTimerId), LONG_PTR(skin::kFadeTimerId));
    EXPECT_NE(skin::stopFadeTimer(button), FALSE);
    EXPECT_EQ(skin::getProp(button, skin::prop::kTimerId), 0);
    EXPECT_FALSE(KillTimer(button, skin::kFadeTimerId)) << "the system timer is gone too";
}

TEST_F(Fade, AnyTimerMessageStepsAPushButtonOnly)
{
    skin::setAlpha(button, 30);
    SendMessageW(button, WM_TIMER, 7, 0);
    EXPECT_EQ(skin::getAlpha(button), 33);

    HWND recorder = Recorder::create(form.get());
    skin::attachWindow(recorder);
    Recorder::clear();
    SendMessageW(recorder, WM_TIMER, skin::kFadeTimerId, 0);
    EXPECT_EQ(Recorder::of(recorder, WM_TIMER).size(), 1u);
    EXPECT_EQ(skin::getProp(recorder, skin::prop::kAlphaLevel), 0);
}

TEST_F(Fade, APaintEndsTheFadeAtFullStrength)
{
    skin::setAlpha(button, 90);
    skin::startFadeTimer(button);
    InvalidateRect(button, nullptr, FALSE);
    UpdateWindow(button);
    EXPECT_EQ(skin::getProp(button, skin::prop::kTimerId), 0);
    EXPECT_EQ(skin::getAlpha(button), 255);
}

TEST_F(Fade, TheControlsOwnRepaintDoesNotCutAFadeShort)
{
    InvalidateRect(button, nullptr, FALSE);
    skin::startFadeTimer(button);
    EXPECT_FALSE(GetUpdateRect(button, nullptr, FALSE));
    pumpMessages();
    EXPECT_NE(skin::getProp(button, skin::prop::kTimerId), 0);
}
