#include "skin/input/keyboard.h"

#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/input/fade.h"
#include "skin/input/press.h"
#include "skin/paint/check_option.h"

namespace skin {

// Only the space bar is looked at; the Enter key and every other key leave
// the look as it is.
LRESULT onKeyDown(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (wParam != VK_SPACE || !isAttached(hwnd))
        return result;
    const ControlKind kind = windowKind(hwnd);
    if (kind == ControlKind::pushButton)
        showPressed(hwnd);
    else if (kind == ControlKind::checkBox)
        paintCheckBox(hwnd, VisualState::pressed, false);
    else if (kind == ControlKind::optionButton)
        paintOptionButton(hwnd, VisualState::pressed, false);
    return result;
}

LRESULT onKeyUp(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (wParam != VK_SPACE || !isAttached(hwnd))
        return result;
    const ControlKind kind = windowKind(hwnd);
    if (kind == ControlKind::pushButton) {
        setProp(hwnd, prop::kMouseFlag, 0);
        setAlpha(hwnd, 0);
        setState(hwnd, VisualState::normal);
        startFadeTimer(hwnd);
    } else if (kind == ControlKind::checkBox) {
        paintCheckBox(hwnd, VisualState::normal, false);
    } else if (kind == ControlKind::optionButton) {
        paintOptionButton(hwnd, VisualState::normal, false);
    }
    return result;
}

} // namespace skin
