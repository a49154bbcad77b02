#include "skin/router/window_proc.h"

#include "skin/core/engine.h"
#include "skin/core/handler.h"
#include "skin/core/properties.h"
#include "skin/input/button_messages.h"
#include "skin/input/fade.h"
#include "skin/input/focus.h"
#include "skin/input/keyboard.h"
#include "skin/input/mouse.h"
#include "skin/input/press.h"
#include "skin/input/scroll_quiet.h"
#include "skin/input/scroll_track.h"
#include "skin/paint/client_paint.h"
#include "skin/paint/nonclient_paint.h"
#include "skin/paint/scroll_bar.h"
#include "skin/router/geometry.h"

#include <commctrl.h>

namespace skin {

namespace {

// The window is given back before its own procedure sees the message, so it
// never meets this window skinned again. Procedures installed above the
// skin's have seen the message already, and see the window's last one too.
LRESULT onDestroy(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    detachDestroyedWindow(hwnd);
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

// After every release the check boxes and option buttons around the window
// are redrawn, so each shows its current check state.
LRESULT onLButtonRelease(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = onLButtonUp(savedProc, hwnd, msg, wParam, lParam);
    refreshCheckStates(hwnd);
    return result;
}

// A "ScrollBar" window is tracked by the skin; every other window's pointer
// messages go to the hover and press handlers.
LRESULT onPointer(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (isScrollBarWindow(hwnd))
        return onScrollBarWindowMouse(savedProc, hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_MOUSEMOVE:     return onMouseMove(savedProc, hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:   return onLButtonDown(savedProc, hwnd, msg, wParam, lParam);
    case WM_LBUTTONDBLCLK: return onLButtonDblClk(savedProc, hwnd, msg, wParam, lParam);
    default:               return onMouseLeave(savedProc, hwnd, msg, wParam, lParam);
    }
}

// A window given back while another procedure sat above the skin's: the
// skin's passes every message on unchanged and draws nothing. It takes
// itself out as soon as it is on top again, or with the window's last
// message.
LRESULT passOn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const auto proc = reinterpret_cast<WNDPROC>(getProp(hwnd, prop::kPassProc));
    if (!proc)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    const bool onTop = GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&skinWindowProc);
    if (onTop || msg == WM_NCDESTROY) {
        removeProp(hwnd, prop::kPassProc);
        if (onTop)
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    }
    return CallWindowProcW(proc, hwnd, msg, wParam, lParam);
}

LRESULT route(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (msg) {
    case WM_DESTROY:           return onDestroy(savedProc, hwnd, msg, wParam, lParam);
    case WM_SIZE:              return onSize(savedProc, hwnd, msg, wParam, lParam);
    case WM_ACTIVATE:          return onActivate(savedProc, hwnd, msg, wParam, lParam);
    case WM_SETFOCUS:          return onSetFocus(savedProc, hwnd, msg, wParam, lParam);
    case WM_KILLFOCUS:         return onKillFocus(savedProc, hwnd, msg, wParam, lParam);
    case WM_ENABLE:            return onEnable(savedProc, hwnd, msg, wParam, lParam);
    case WM_PAINT:             return onPaint(savedProc, hwnd, msg, wParam, lParam);
    case WM_WINDOWPOSCHANGING: return onWindowPosChanging(savedProc, hwnd, msg, wParam, lParam);
    case WM_NCPAINT:           return onNcPaint(savedProc, hwnd, msg, wParam, lParam);
    case WM_PRINT:             return onPrint(savedProc, hwnd, msg, wParam, lParam);
    case WM_PRINTCLIENT:       return onPrintClient(savedProc, hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:        return onEraseBackground(savedProc, hwnd, msg, wParam, lParam);
    case WM_NCCALCSIZE:        return onNcCalcSize(savedProc, hwnd, msg, wParam, lParam);
    case WM_STYLECHANGING:     return onStyleChange(savedProc, hwnd, msg, wParam, lParam);
    case WM_STYLECHANGED:      return onStyleChange(savedProc, hwnd, msg, wParam, lParam);
    case WM_NCLBUTTONDOWN:     return onNcLButtonDown(savedProc, hwnd, msg, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:   return onNcLButtonDown(savedProc, hwnd, msg, wParam, lParam);
    case WM_NCMOUSEMOVE:       return onNcMouseMove(savedProc, hwnd, msg, wParam, lParam);
    case WM_NCMOUSELEAVE:      return onNcMouseLeave(savedProc, hwnd, msg, wParam, lParam);
    case SBM_SETSCROLLINFO:    return onScrollBarWindowChange(savedProc, hwnd, msg, wParam, lParam);
    case SBM_SETPOS:           return onScrollBarWindowChange(savedProc, hwnd, msg, wParam, lParam);
    case SBM_SETRANGEREDRAW:   return onScrollBarWindowChange(savedProc, hwnd, msg, wParam, lParam);
    case SBM_ENABLE_ARROWS:    return onScrollBarWindowChange(savedProc, hwnd, msg, wParam, lParam);
    case SBM_GETSCROLLINFO:    return onScrollBarWindowInfo(savedProc, hwnd, msg, wParam, lParam);
    case WM_KEYDOWN:           return onKeyDown(savedProc, hwnd, msg, wParam, lParam);
    case WM_KEYUP:             return onKeyUp(savedProc, hwnd, msg, wParam, lParam);
    case WM_TIMER:             return onTimer(savedProc, hwnd, msg, wParam, lParam);
    case WM_ENTERIDLE:         return onWindowAppearing(savedProc, hwnd, msg, wParam, lParam);
    case WM_CTLCOLORLISTBOX:   return onWindowAppearing(savedProc, hwnd, msg, wParam, lParam);
    case WM_MOUSEMOVE:         return onPointer(savedProc, hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:       return onPointer(savedProc, hwnd, msg, wParam, lParam);
    case WM_LBUTTONUP:         return onLButtonRelease(savedProc, hwnd, msg, wParam, lParam);
    case WM_LBUTTONDBLCLK:     return onPointer(savedProc, hwnd, msg, wParam, lParam);
    case WM_MOUSELEAVE:        return onPointer(savedProc, hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:        return onGetDlgCode(savedProc, hwnd, msg, wParam, lParam);
    case BM_SETSTYLE:          return onSetButtonStyle(savedProc, hwnd, msg, wParam, lParam);
    case BM_SETIMAGE:          return onButtonContent(savedProc, hwnd, msg, wParam, lParam);
    case BCM_SETSHIELD:        return onButtonContent(savedProc, hwnd, msg, wParam, lParam);
    case WM_SETTEXT:           return onButtonContent(savedProc, hwnd, msg, wParam, lParam);
    case WM_SETFONT:           return onButtonContent(savedProc, hwnd, msg, wParam, lParam);
    case BM_SETCHECK:          return onCheckRedrawn(savedProc, hwnd, msg, wParam, lParam);
    case BM_SETSTATE:          return onCheckRedrawn(savedProc, hwnd, msg, wParam, lParam);
    case WM_UPDATEUISTATE:     return onCheckRedrawn(savedProc, hwnd, msg, wParam, lParam);
    default:                   return forward(savedProc, hwnd, msg, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK skinWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    if (!hwnd)
        return 0;
    const WNDPROC savedProc = savedProcOf(hwnd);
    if (!savedProc)
        return passOn(hwnd, msg, wParam, lParam);

    // While the message is handled the system draws no scroll bar of its
    // own; afterwards the skin's show the scroll information as it is.
    const QuietScrollBars quiet(hwnd, msg, wParam);
    return route(savedProc, hwnd, msg, wParam, lParam);
}

} // namespace skin
