#include "skin/input/press.h"

#include "skin/core/engine.h"
#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/input/fade.h"
#include "skin/input/mouse.h"
#include "skin/paint/button_face.h"
#include "skin/paint/check_option.h"
#include "skin/paint/combo_button.h"
#include "skin/paint/header.h"

#include <commctrl.h>

namespace skin {

namespace {

void pressComboBox(HWND hwnd, LPARAM lParam) noexcept
{
    const int x = readLowWord(lParam);
    const int y = readHighWord(lParam);
    const bool onButton = comboButtonArea(hwnd, x, y);
    if ((GetWindowLongPtrW(hwnd, GWL_STYLE) & 0x1) != 0 || onButton) {
        VisualState state = VisualState::pressed;
        paintComboButton(hwnd, nullptr, state, false);
    }
}

// A press on a header with items marks the item under x (or none) as held.
void pressListHeader(HWND hwnd, LPARAM lParam) noexcept
{
    if (SendMessageW(hwnd, HDM_GETITEMCOUNT, 0, 0) <= 0)
        return;
    const int item = hitTestHeaderItem(hwnd, readLowWord(lParam));
    setProp(hwnd, prop::kHdIndex, item);
    if (item >= 0)
        paintHeaderItem(hwnd, nullptr, item, VisualState::pressed);
}

void releaseListHeader(HWND hwnd) noexcept
{
    const auto item = static_cast<int>(getProp(hwnd, prop::kHdIndex));
    setProp(hwnd, prop::kHdIndex, -1);
    if (item >= 0)
        paintHeaderItem(hwnd, nullptr, item, pointerIsOver(hwnd) ? VisualState::hot : VisualState::normal);
}

} // namespace

void showPressed(HWND hwnd) noexcept
{
    stopFadeTimer(hwnd);
    setState(hwnd, VisualState::pressed);
    setAlpha(hwnd, 255);
    blendButtonFace(hwnd, nullptr);
    setAlpha(hwnd, 0);
}

LRESULT onLButtonDown(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (!isAttached(hwnd))
        return result;
    const ControlKind kind = windowKind(hwnd);
    if (kind == ControlKind::pushButton) {
        showPressed(hwnd);
    } else if (kind == ControlKind::container) {
        // nothing of its own
    } else if (kind == ControlKind::comboBox) {
        pressComboBox(hwnd, lParam);
    } else if (kind == ControlKind::driveList) {
        VisualState state = VisualState::pressed;
        paintComboButton(hwnd, nullptr, state, false);
    } else if (kind == ControlKind::checkBox) {
        paintCheckBox(hwnd, VisualState::pressed, false);
    } else if (kind == ControlKind::optionButton) {
        paintOptionButton(hwnd, VisualState::pressed, false);
    } else if (kind == ControlKind::listHeader) {
        pressListHeader(hwnd, lParam);
    } else if (hasPointerParts(kind)) {
        InvalidateRect(hwnd, nullptr, FALSE); // the part under the pointer shows pressed
    }
    return result;
}

// An owner-draw button takes the second click of a double click as a double
// click and is not pressed; a push button of its own type without BS_NOTIFY
// is pressed again, so the skinned one gets the press it would have had.
LRESULT onLButtonDblClk(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (windowKind(hwnd) == ControlKind::pushButton) {
        const LONG_PTR saved = getProp(hwnd, prop::kOldStyle);
        const LONG_PTR type = saved & BS_TYPEMASK;
        if (saved && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) && !(saved & BS_NOTIFY))
            msg = WM_LBUTTONDOWN;
    }
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (!isAttached(hwnd))
        return result;
    const ControlKind kind = windowKind(hwnd);
    if (kind == ControlKind::pushButton)
        showPressed(hwnd);
    else if (kind == ControlKind::listHeader)
        pressListHeader(hwnd, lParam);
    return result;
}

LRESULT onLButtonUp(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    // The button's own procedure turns the release into a click, so forward first.
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (!isAttached(hwnd))
        return result;
    const ControlKind kind = windowKind(hwnd);
    if (kind == ControlKind::pushButton) {
        setProp(hwnd, prop::kMouseFlag, 0);
        setState(hwnd, VisualState::normal);
        setAlpha(hwnd, 60);
        startFadeTimer(hwnd);
    } else if (kind == ControlKind::comboBox || kind == ControlKind::driveList) {
        VisualState state = pointerIsOver(hwnd) ? VisualState::hot : VisualState::normal;
        paintComboButton(hwnd, nullptr, state, false);
    } else if (kind == ControlKind::checkBox) {
        paintCheckBox(hwnd, VisualState::normal, false);
    } else if (kind == ControlKind::optionButton) {
        paintOptionButton(hwnd, VisualState::normal, false);
    } else if (kind == ControlKind::listHeader) {
        releaseListHeader(hwnd);
    } else if (hasPointerParts(kind)) {
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return result;
}

void refreshCheckStates(HWND released) noexcept
{
    if (!IsWindow(released))
        return; // destroyed by its own click handler
    HWND parent = GetParent(released);
    EnumChildWindows(parent ? parent : released, repaintCheckChildCallback, 0);
}

BOOL CALLBACK repaintCheckChildCallback(HWND hwnd, LPARAM) noexcept
{
    // A sibling made by another thread is that thread's to paint.
    if (!isAttached(hwnd) || !belongsToThisThread(hwnd))
        return TRUE;
    const ControlKind kind = windowKind(hwnd);
    if (kind == ControlKind::checkBox)
        paintCheckBox(hwnd, VisualState::normal, true);
    else if (kind == ControlKind::optionButton)
        paintOptionButton(hwnd, VisualState::normal, true);
    return TRUE;
}

} // namespace skin
