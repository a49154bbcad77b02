#include "skin/core/fade_timer.h"

#include "skin/core/properties.h"

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

} // namespace skin
