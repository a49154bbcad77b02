// Press, release and double click, row by row; then the check state refresh
// that follows every release.
#include "state_table.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace qmtest;
using F = InputForm;

namespace {

const LPARAM kMiddle = packPoint(5, 5);

} // namespace

TEST(Press, PressReleaseAndDoubleClickFollowTheStateTable)
{
    const Row rows[] = {
        {"push down", &F::push, {.state = 1, .alpha = 40, .fading = true}, WM_LBUTTONDOWN, MK_LBUTTON, kMiddle,
         &F::push, {.state = 2, .alpha = 0, .fading = false}, true},
        {"push double click", &F::push, {.state = 0, .alpha = 40, .fading = true}, WM_LBUTTONDBLCLK, MK_LBUTTON,
         kMiddle, &F::push, {.state = 2, .alpha = 0, .fading = false}, true},
        {"push up", &F::push, {.state = 2, .mouseFlag = 1, .alpha = 0}, WM_LBUTTONUP, 0, kMiddle, &F::push,
         {.state = 0, .mouseFlag = 0, .alpha = 60, .fading = true}, false},
        {"list combo down anywhere", &F::comboList, {.state = 0}, WM_LBUTTONDOWN, MK_LBUTTON, kMiddle,
         &F::comboList, {.state = 2}},
        {"edit combo down off the button", &F::comboEdit, {.state = 0}, WM_LBUTTONDOWN, MK_LBUTTON, kMiddle,
         &F::comboEdit, {.state = 0}},
        {"drive down", &F::drive, {.state = 1}, WM_LBUTTONDOWN, MK_LBUTTON, kMiddle, &F::drive, {.state = 2}},
        {"combo up over it", &F::comboList, {.state = 0}, WM_LBUTTONUP, 0, kMiddle, &F::comboList, {.state = 1}},
        {"combo up elsewhere", &F::comboList, {.state = 2}, WM_LBUTTONUP, 0, kMiddle, nullptr, {.state = 0}},
        {"drive up elsewhere", &F::drive, {.state = 2}, WM_LBUTTONUP, 0, kMiddle, nullptr, {.state = 0}},
        {"combo double click", &F::comboList, {.state = 1}, WM_LBUTTONDBLCLK, MK_LBUTTON, kMiddle, &F::comboList,
         {.state = 1}},
        {"check down", &F::check, {.state = 1}, WM_LBUTTONDOWN, MK_LBUTTON, kMiddle, &F::check, {.state = 2}},
        {"check up", &F::check, {.state = 2}, WM_LBUTTONUP, 0, kMiddle, &F::check, {.state = 0}},
        {"check double click", &F::check, {.state = 1}, WM_LBUTTONDBLCLK, MK_LBUTTON, kMiddle, &F::check,
         {.state = 1}},
        {"option down", &F::option, {.state = 0}, WM_LBUTTONDOWN, MK_LBUTTON, kMiddle, &F::option, {.state = 2}},
        {"option double click", &F::option, {.state = 0}, WM_LBUTTONDBLCLK, MK_LBUTTON, kMiddle, &F::option,
         {.state = 0}},
        {"header down on item 1", &F::header, {.held = -1}, WM_LBUTTONDOWN, MK_LBUTTON, packPoint(60, 5),
         &F::header, {.held = 1}},
        {"header down beyond items", &F::header, {.held = 2}, WM_LBUTTONDOWN, MK_LBUTTON, packPoint(155, 5),
         &F::header, {.held = -1}},
        {"header double click", &F::header, {.held = -1}, WM_LBUTTONDBLCLK, MK_LBUTTON, packPoint(10, 5),
         &F::header, {.held = 0}},
        {"header up over it", &F::header, {.held = 1}, WM_LBUTTONUP, 0, packPoint(60, 5), &F::header,
         {.held = -1}},
        {"header up elsewhere", &F::header, {.held = 1}, WM_LBUTTONUP, 0, packPoint(60, 5), nullptr,
         {.held = -1}},
    };
    runTable(rows);
}

TEST(Press, EditableComboPressesOnlyOnItsButton)
{
    InputForm f;
    RECT r{};
    GetWindowRect(f.comboEdit, &r);
    const int w = r.right - r.left;
    skin::setState(f.comboEdit, skin::VisualState::normal);
    SendMessageW(f.comboEdit, WM_LBUTTONDOWN, MK_LBUTTON, packPoint(w - 5, 5));
    EXPECT_EQ(skin::getState(f.comboEdit), skin::VisualState::pressed);
    SendMessageW(f.comboEdit, WM_LBUTTONUP, 0, packPoint(w - 5, 5));
}

TEST(Press, AHeaderWithoutItemsKeepsItsHeldItem)
{
    InputForm f;
    while (SendMessageW(f.header, HDM_GETITEMCOUNT, 0, 0) > 0)
        SendMessageW(f.header, HDM_DELETEITEM, 0, 0);
    skin::setProp(f.header, skin::prop::kHdIndex, 4);
    SendMessageW(f.header, WM_LBUTTONDOWN, MK_LBUTTON, packPoint(10, 5));
    EXPECT_EQ(skin::getProp(f.header, skin::prop::kHdIndex), 4);
}

TEST(Press, EveryReleaseRefreshesTheAttachedCheckBoxesAroundIt)
{
    InputForm f;
    HWND loose = makeChild(f.form.get(), L"ThunderRT6CheckBox", L"Loose", BS_AUTOCHECKBOX, 10, 130, 100, 17);
    for (HWND released : {f.label, f.push, f.form.get()}) {
        skin::setState(f.check, skin::VisualState::hot);
        skin::setState(f.option, skin::VisualState::pressed);
        SendMessageW(released, WM_LBUTTONUP, 0, kMiddle);
        EXPECT_EQ(skin::getState(f.check), skin::VisualState::normal);
        EXPECT_EQ(skin::getState(f.option), skin::VisualState::normal);
        EXPECT_EQ(GetPropW(loose, skin::prop::kOldState), nullptr) << "a window never attached is skipped";
    }
}
