// The space bar, focus changes and enabling, row by row.
#include "state_table.h"

#include "skin/core/properties.h"
#include "skin/images/gdi.h"
#include "skin/input/fade.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

using namespace qmtest;
using F = InputForm;

TEST(Keys, TheSpaceBarPressesAndReleasesInTheSkinsLook)
{
    const Row rows[] = {
        {"push space down", &F::push, {.state = 1, .alpha = 90, .fading = true}, WM_KEYDOWN, VK_SPACE, 0,
         &F::push, {.state = 2, .alpha = 0, .fading = false}, true},
        {"push space up", &F::push, {.state = 2, .mouseFlag = 1, .alpha = 0}, WM_KEYUP, VK_SPACE, 0, &F::push,
         {.state = 0, .mouseFlag = 0, .alpha = 0, .fading = true}, false},
        {"push enter down", &F::push, {.state = 1, .alpha = 90, .fading = false}, WM_KEYDOWN, VK_RETURN, 0,
         &F::push, {.state = 1, .alpha = 90, .fading = false}, false},
        {"push other key up", &F::push, {.state = 2, .mouseFlag = 1, .fading = false}, WM_KEYUP, 'A', 0, &F::push,
         {.state = 2, .mouseFlag = 1, .fading = false}, false},
        {"check space down", &F::check, {.state = 0}, WM_KEYDOWN, VK_SPACE, 0, &F::check, {.state = 2}},
        {"check space up", &F::check, {.state = 2}, WM_KEYUP, VK_SPACE, 0, &F::check, {.state = 0}},
        {"check enter", &F::check, {.state = 1}, WM_KEYDOWN, VK_RETURN, 0, &F::check, {.state = 1}},
        {"option space down", &F::option, {.state = 1}, WM_KEYDOWN, VK_SPACE, 0, &F::option, {.state = 2}},
        {"option space up", &F::option, {.state = 2}, WM_KEYUP, VK_SPACE, 0, &F::option, {.state = 0}},
        {"combo space", &F::comboList, {.state = 1}, WM_KEYDOWN, VK_SPACE, 0, &F::comboList, {.state = 1}},
    };
    runTable(rows);
}

TEST(Focus, FocusChangesRedrawTheFacesAndFadeTheCurrentStateIn)
{
    InputForm f;
    auto hotSurface = [&] { return captureDc(skin::stateSurface(f.push, 1), 0, 0, 100, 25); };
    SetFocus(f.label);
    const Dib unfocused = hotSurface();
    skin::setState(f.push, skin::VisualState::hot);
    skin::setAlpha(f.push, 200);
    SetFocus(f.push);
    EXPECT_EQ(skin::getState(f.push), skin::VisualState::hot);
    EXPECT_EQ(skin::getAlpha(f.push), 0);
    EXPECT_NE(skin::getProp(f.push, skin::prop::kTimerId), 0);
    EXPECT_GT(countDifferences(hotSurface(), unfocused), 40) << "the focus box is on the hot surface";

    skin::stopFadeTimer(f.push);
    SetFocus(f.label);
    EXPECT_EQ(countDifferences(hotSurface(), unfocused), 0) << "and gone again";
    EXPECT_NE(skin::getProp(f.push, skin::prop::kTimerId), 0);

    // Option buttons are drawn normal on a focus change; check boxes keep theirs.
    skin::setState(f.option, skin::VisualState::hot);
    skin::setState(f.check, skin::VisualState::hot);
    SendMessageW(f.option, WM_SETFOCUS, 0, 0);
    SendMessageW(f.check, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(skin::getState(f.option), skin::VisualState::normal);
    EXPECT_EQ(skin::getState(f.check), skin::VisualState::hot);
}

TEST(Focus, EnablingShowsTheNewFaceAtOnceAndAtFullStrength)
{
    const Row rows[] = {
        // after a finished fade the level is 0: the new face must still show
        {"disable at rest", &F::push, {.state = 1, .alpha = 0, .fading = false}, WM_ENABLE, FALSE, 0, nullptr,
         {.state = 3, .alpha = 0, .fading = false}, true},
        {"enable during a fade", &F::push, {.state = 3, .alpha = 120, .fading = true}, WM_ENABLE, TRUE, 0,
         &F::push, {.state = 0, .alpha = 0, .fading = false}, true},
    };
    runTable(rows);

    InputForm f;
    EnableWindow(f.push, FALSE);
    skin::WindowDc dc(f.push);
    Dib shown = captureDc(dc.get(), 0, 0, 100, 25);
    Dib disabled = captureDc(skin::stateSurface(f.push, 3), 0, 0, 100, 25);
    for (int y = 3; y < 22; ++y)
        for (int x = 3; x < 97; ++x)
            ASSERT_EQ(shown.pixel(x, y), disabled.pixel(x, y)) << x << "," << y;
}
