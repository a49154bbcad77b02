#include "skin/core/window_proc.h"

#include "skin/core/engine.h"
#include "skin/core/handler.h"
#include "skin/core/properties.h"
#include "skin/input/fade.h"
#include "skin/paint/client_paint.h"
#include "skin/paint/nonclient_paint.h"

namespace skin {

namespace {

// The window gets its own procedure back before that procedure sees the
// message, so it never meets this window skinned again.
LRESULT onDestroy(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    detachWindow(hwnd);
    return forward(savedProc, hwnd, msg, wParam, lParam);
}

// WM_ENTERIDLE names an idle modal dialog box, WM_CTLCOLORLISTBOX the list
// about to be drawn (a combo box's drop-down list): windows that did not exist
// at start-up and are skinned the first time they show up.
LRESULT onWindowAppearing(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (lParam)
        attachWindow(reinterpret_cast<HWND>(lParam));
    return result;
}

} // namespace

LRESULT CALLBACK skinWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (!hwnd)
        return 0;
    const WNDPROC savedProc = savedProcOf(hwnd);
    if (!savedProc)
        return DefWindowProcW(hwnd, msg, wParam, lParam);

    switch (msg) {
    case WM_DESTROY:         return onDestroy(savedProc, hwnd, msg, wParam, lParam);
    case WM_PAINT:           return onPaint(savedProc, hwnd, msg, wParam, lParam);
    case WM_NCPAINT:         return onNcPaint(savedProc, hwnd, msg, wParam, lParam);
    case WM_TIMER:           return onTimer(savedProc, hwnd, msg, wParam, lParam);
    case WM_ENTERIDLE:       return onWindowAppearing(savedProc, hwnd, msg, wParam, lParam);
    case WM_CTLCOLORLISTBOX: return onWindowAppearing(savedProc, hwnd, msg, wParam, lParam);
    default:                 return forward(savedProc, hwnd, msg, wParam, lParam);
    }
}

} // namespace skin
