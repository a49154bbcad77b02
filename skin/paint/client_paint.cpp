#include "skin/paint/client_paint.h"

#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/images/gdi.h"
#include "skin/input/fade.h"
#include "skin/paint/button_face.h"

namespace skin {

namespace {

// A push button is painted entirely from its state surface of the current
// state, fully opaque; a paint ends any fade.
LRESULT paintPushButton(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (keepsOwnButtonLook(hwnd))
        return forward(savedProc, hwnd, msg, wParam, lParam);
    stopFadeTimer(hwnd);
    setAlpha(hwnd, 255);
    PaintScope paint(hwnd);
    blendButtonFace(hwnd, paint.dc());
    return 0;
}

} // namespace

LRESULT onPaint(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const std::wstring name = lowerClassName(hwnd);
    if (isPushButton(name))
        return paintPushButton(savedProc, hwnd, msg, wParam, lParam);
    return forward(savedProc, hwnd, msg, wParam, lParam);
}

} // namespace skin
