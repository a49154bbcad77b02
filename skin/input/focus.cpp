#include "skin/input/focus.h"

#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/input/fade.h"
#include "skin/paint/button_face.h"
#include "skin/paint/check_option.h"

namespace skin {

namespace {

// The focus has already moved when the forwarded message returns, so the
// surfaces drawn now have the focus box exactly when the button has the focus.
LRESULT onFocusChange(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (!isAttached(hwnd))
        return result;
    const ControlKind kind = windowKind(hwnd);
    if (kind == ControlKind::pushButton) {
        renderButtonFaces(hwnd);
        // A button still waiting for its paint has nothing on screen to fade
        // from (a window just shown): its paint shows the new face whole.
        if (GetUpdateRect(hwnd, nullptr, FALSE))
            return result;
        setAlpha(hwnd, 0);
        startFadeTimer(hwnd);
    } else if (kind == ControlKind::optionButton) {
        paintOptionButton(hwnd, VisualState::normal, true);
    } else if (kind == ControlKind::checkBox) {
        paintCheckBox(hwnd, VisualState::normal, true);
    }
    return result;
}

} // namespace

LRESULT onSetFocus(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    return onFocusChange(savedProc, hwnd, msg, wParam, lParam);
}

LRESULT onKillFocus(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    return onFocusChange(savedProc, hwnd, msg, wParam, lParam);
}

// The new look shows at once and at full strength: a level left at 0 by a
// finished fade would otherwise paint nothing, and a button just disabled
// would go on looking enabled.
LRESULT onEnable(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (!isAttached(hwnd) || windowKind(hwnd) != ControlKind::pushButton)
        return result;
    stopFadeTimer(hwnd);
    setState(hwnd, wParam ? VisualState::normal : VisualState::disabled);
    setAlpha(hwnd, 255);
    blendButtonFace(hwnd, nullptr);
    setAlpha(hwnd, 0);
    return result;
}

} // namespace skin
