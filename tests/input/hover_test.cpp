// Hover and leave, row by row, then the exact hot areas.
#include "state_table.h"

#include "skin/input/mouse.h"

#include <gtest/gtest.h>

using namespace qmtest;
using F = InputForm;

namespace {

constexpr WPARAM kHeld = MK_LBUTTON;
const LPARAM kMiddle = packPoint(5, 5);

} // namespace

TEST(Hover, MovesAndLeavesFollowTheStateTable)
{
    const Row rows[] = {
        // push button: entry fades the hot face in and paints nothing now
        {"push entry", &F::push, {.state = 0, .mouseFlag = 0, .alpha = 77}, WM_MOUSEMOVE, 0, kMiddle, &F::push,
         {.state = 1, .mouseFlag = 1, .alpha = 0, .fading = true}, false},
        {"push inside", &F::push, {.state = 1, .mouseFlag = 1, .alpha = 30, .fading = false}, WM_MOUSEMOVE, 0,
         kMiddle, &F::push, {.state = 1, .mouseFlag = 1, .alpha = 30, .fading = false}, false},
        {"push captured outside", &F::push, {.state = 2, .mouseFlag = 1, .alpha = 30, .fading = true},
         WM_MOUSEMOVE, kHeld, packPoint(-40, 90), nullptr, {.state = 2, .alpha = 255, .fading = false}, true},
        {"push leave", &F::push, {.state = 2, .mouseFlag = 1, .alpha = 200}, WM_MOUSELEAVE, 0, 0, nullptr,
         {.state = 0, .mouseFlag = 0, .alpha = 0, .fading = true}, true},
        // combo boxes: the painter keeps the state it drew
        {"list combo hot", &F::comboList, {.state = 0, .mouseFlag = 0}, WM_MOUSEMOVE, 0, kMiddle, &F::comboList,
         {.state = 1, .mouseFlag = 1}},
        {"list combo pressed", &F::comboList, {.state = 0}, WM_MOUSEMOVE, kHeld, kMiddle, &F::comboList,
         {.state = 2}},
        {"edit combo off the button", &F::comboEdit, {.state = 1}, WM_MOUSEMOVE, 0, kMiddle, &F::comboEdit,
         {.state = 0, .mouseFlag = 1}},
        {"edit combo off the button, held", &F::comboEdit, {.state = 1}, WM_MOUSEMOVE, kHeld, kMiddle,
         &F::comboEdit, {.state = 0}},
        {"drive list hot anywhere", &F::drive, {.state = 0}, WM_MOUSEMOVE, 0, kMiddle, &F::drive,
         {.state = 1, .mouseFlag = 1}},
        {"drive list held", &F::drive, {.state = 0}, WM_MOUSEMOVE, kHeld, kMiddle, &F::drive, {.state = 2}},
        {"combo leave", &F::comboList, {.state = 1, .mouseFlag = 1}, WM_MOUSELEAVE, 0, 0, nullptr,
         {.state = 0, .mouseFlag = 0}},
        {"drive leave", &F::drive, {.state = 2, .mouseFlag = 1}, WM_MOUSELEAVE, 0, 0, nullptr,
         {.state = 0, .mouseFlag = 0}},
        // check boxes and option buttons
        {"check hot", &F::check, {.state = 0, .mouseFlag = 0}, WM_MOUSEMOVE, 0, kMiddle, &F::check,
         {.state = 1, .mouseFlag = 1}},
        {"check held", &F::check, {.state = 1, .mouseFlag = 1}, WM_MOUSEMOVE, kHeld, kMiddle, &F::check,
         {.state = 2, .mouseFlag = 1}},
        {"check leave", &F::check, {.state = 1, .mouseFlag = 1}, WM_MOUSELEAVE, 0, 0, nullptr,
         {.state = 0, .mouseFlag = 0}},
        {"option hot", &F::option, {.state = 0, .mouseFlag = 0}, WM_MOUSEMOVE, 0, kMiddle, &F::option,
         {.state = 1, .mouseFlag = 1}},
        {"option held", &F::option, {.state = 0}, WM_MOUSEMOVE, kHeld, kMiddle, &F::option, {.state = 2}},
        {"option leave", &F::option, {.state = 2, .mouseFlag = 1}, WM_MOUSELEAVE, 0, 0, nullptr,
         {.state = 0, .mouseFlag = 0}},
        // list header: items at x 0-50, 50-100, 100-150; nothing beyond
        {"header onto item 1", &F::header, {.mouseFlag = 0, .hot = -1, .held = -1}, WM_MOUSEMOVE, 0,
         packPoint(60, 5), &F::header, {.mouseFlag = 1, .hot = 1, .held = -1}},
        {"header shared border", &F::header, {.hot = -1}, WM_MOUSEMOVE, 0, packPoint(50, 5), &F::header,
         {.hot = 0}},
        {"header to empty space", &F::header, {.hot = 1}, WM_MOUSEMOVE, 0, packPoint(155, 5), &F::header,
         {.hot = -1}},
        {"header held elsewhere", &F::header, {.hot = 0, .held = 1}, WM_MOUSEMOVE, kHeld, packPoint(60, 5),
         &F::header, {.hot = 0, .held = 1}},
        {"header above an item", &F::header, {.hot = -1}, WM_MOUSEMOVE, 0, packPoint(120, -30), &F::header,
         {.hot = 2}},
        {"header leave", &F::header, {.mouseFlag = 1, .hot = 2, .held = 1}, WM_MOUSELEAVE, 0, 0, nullptr,
         {.mouseFlag = 0, .hot = -1, .held = -1}},
    };
    runTable(rows);
}

TEST(Hover, ContainersAndUnlistedKindsGetNoState)
{
    InputForm f;
    for (HWND hwnd : {f.form.get(), f.label}) {
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, kMiddle);
        SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(skin::getProp(hwnd, skin::prop::kMouseFlag), 0);
        EXPECT_EQ(GetPropW(hwnd, skin::prop::kOldState), nullptr);
    }
}

TEST(Hover, ComboButtonAreaHasExactInclusiveBounds)
{
    InputForm f;
    RECT r{};
    GetWindowRect(f.comboEdit, &r);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const int s = GetSystemMetrics(SM_CXVSCROLL);
    struct Point { int x, y; bool inside; };
    const Point points[] = {
        {w - s - 3, h / 2, false}, {w - s - 2, h / 2, true}, {w - 2, h / 2, true}, {w - 1, h / 2, false},
        {w - 5, 1, false},         {w - 5, 2, true},         {w - 5, h - 2, true}, {w - 5, h - 1, false},
    };
    for (const Point& p : points) {
        EXPECT_EQ(skin::comboButtonArea(f.comboEdit, p.x, p.y), p.inside) << p.x << "," << p.y;
        // The editable combo is hot only on its button; the list combo anywhere.
        skin::setState(f.comboEdit, skin::VisualState::pressed);
        SendMessageW(f.comboEdit, WM_MOUSEMOVE, 0, packPoint(p.x, p.y));
        EXPECT_EQ(skin::getState(f.comboEdit), p.inside ? skin::VisualState::hot : skin::VisualState::normal);
        skin::setState(f.comboList, skin::VisualState::pressed);
        SendMessageW(f.comboList, WM_MOUSEMOVE, 0, packPoint(p.x, p.y));
        EXPECT_EQ(skin::getState(f.comboList), skin::VisualState::hot);
    }
}

TEST(Hover, PackedPointsAreSignedAndHeaderHitsPreferTheLowerIndex)
{
    EXPECT_EQ(skin::readLowWord(packPoint(-3, 7)), -3);
    EXPECT_EQ(skin::readHighWord(packPoint(-3, -7)), -7);
    EXPECT_EQ(skin::readLowWord(packPoint(32767, 0)), 32767);
    InputForm f;
    EXPECT_EQ(skin::hitTestHeaderItem(f.header, 0), 0);
    EXPECT_EQ(skin::hitTestHeaderItem(f.header, 100), 1);
    EXPECT_EQ(skin::hitTestHeaderItem(f.header, 150), 2);
    EXPECT_EQ(skin::hitTestHeaderItem(f.header, 151), -1);
    EXPECT_EQ(skin::hitTestHeaderItem(f.header, -1), -1);
    EXPECT_EQ(skin::hitTestHeaderItem(f.push, 5), -1) << "not a header: no items";
}
