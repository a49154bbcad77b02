#include "skin/input/fade.h"

#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/paint/button_face.h"

namespace skin {

UINT_PTR startFadeTimer(HWND hwnd) noexcept
{
    UINT_PTR id = 0; // 0: a fade runs already and goes on with the caller's new state and level
    if (getProp(hwnd, prop::kTimerId) == 0) {
        id = SetTimer(hwnd, kFadeTimerId, kFadeIntervalMs, nullptr);
        setProp(hwnd, prop::kTimerId, static_cast<LONG_PTR>(id));
    }
    // The button's own procedure repaints itself on hover, release and focus
    // changes, and a paint ends a fade at once. The fade's last step paints
    // the whole face anyway, so that repaint is left to the fade.
    if (getProp(hwnd, prop::kTimerId) != 0)
        ValidateRect(hwnd, nullptr);
    return id;
}

BOOL stopFadeTimer(HWND hwnd) noexcept
{
    const auto id = static_cast<UINT_PTR>(getProp(hwnd, prop::kTimerId));
    if (id == 0)
        return FALSE;
    const BOOL killed = KillTimer(hwnd, id);
    setProp(hwnd, prop::kTimerId, 0);
    return killed;
}

// One fade step: blend at the current level, then raise it. The step that
// painted at full strength ends the fade and leaves the level at 0. Every
// timer message of a push button steps, whichever timer sent it.
LRESULT onTimer(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (isPushButton(lowerClassName(hwnd))) {
        const int alpha = getAlpha(hwnd);
        blendButtonFace(hwnd, nullptr);
        const int next = alpha + kFadeStep;
        if (next > 255) {
            stopFadeTimer(hwnd);
            setAlpha(hwnd, 0);
        } else {
            setAlpha(hwnd, next);
        }
    }
    return forward(savedProc, hwnd, msg, wParam, lParam);
}

} // namespace skin
