#include "skin/input/fade.h"

#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/paint/button_face.h"
#include "skin/paint/common_progress.h"

namespace skin {

// One fade step: blend at the current level, then raise it. The step that
// painted at full strength ends the fade and leaves the level at 0. Every
// timer message of a push button steps, whichever timer sent it. A common
// progress bar's marquee moves on its own timer, which repaints the bar: the
// skin's block moves first.
LRESULT onTimer(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const ControlKind kind = windowKind(hwnd);
    if (kind == ControlKind::commonProgress)
        advanceMarquee(hwnd);
    if (kind == ControlKind::pushButton) {
        const int alpha = getAlpha(hwnd);
        blendButtonFace(hwnd, nullptr);
        const int next = alpha + kFadeStep;
        if (next > 255) {
            stopFadeTimer(hwnd);
            setAlpha(hwnd, 0);
        } else {
            stepAlpha(hwnd, next);
        }
    }
    return forward(savedProc, hwnd, msg, wParam, lParam);
}

} // namespace skin
