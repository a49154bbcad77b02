#include "skin/input/button_messages.h"

#include "skin/core/engine.h"
#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/paint/button_face.h"
#include "skin/paint/check_option.h"

#include <commctrl.h>

namespace skin {

namespace {

// The push-button type (BS_PUSHBUTTON or BS_DEFPUSHBUTTON) saved at attach,
// or -1 for a window the skin did not turn owner-draw from one of those.
LONG_PTR savedPushType(HWND hwnd) noexcept
{
    if (!isAttached(hwnd) || windowKind(hwnd) != ControlKind::pushButton)
        return -1;
    const LONG_PTR type = getProp(hwnd, prop::kOldStyle) & BS_TYPEMASK;
    const bool ownerDrawn = (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
    return ownerDrawn && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) ? type : -1;
}

} // namespace

LRESULT onGetDlgCode(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    const LONG_PTR type = savedPushType(hwnd);
    if (type < 0)
        return result;
    const LRESULT own = type == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
    return (result & ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) | DLGC_BUTTON | own;
}

LRESULT onSetButtonStyle(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const auto type = static_cast<LONG_PTR>(wParam & BS_TYPEMASK);
    if (savedPushType(hwnd) >= 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
        setProp(hwnd, prop::kOldStyle, (getProp(hwnd, prop::kOldStyle) & ~BS_TYPEMASK) | type);
        return forward(savedProc, hwnd, msg, (wParam & ~WPARAM{BS_TYPEMASK}) | BS_OWNERDRAW, lParam);
    }
    const LONG_PTR restyled = (GetWindowLongPtrW(hwnd, GWL_STYLE) & ~LONG_PTR{BS_TYPEMASK}) | type;
    if (!isAttached(hwnd) || !isPushButton(lowerClassName(hwnd)) || buttonKind(restyled) == windowKind(hwnd))
        return forward(savedProc, hwnd, msg, wParam, lParam);
    // A type that makes it another kind: it is given back, takes the type,
    // and is skinned again as what it is now (unless that was the last window).
    detachWindow(hwnd);
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (skinInitialised())
        attachWindow(hwnd);
    return result;
}

LRESULT onButtonContent(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (!isAttached(hwnd) || windowKind(hwnd) != ControlKind::pushButton)
        return result;
    if (msg == BCM_SETSHIELD) {
        if (lParam)
            setProp(hwnd, prop::kShield, 1);
        else
            removeProp(hwnd, prop::kShield);
        result = TRUE;
    }
    renderButtonFaces(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    return result;
}

LRESULT onCheckRedrawn(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    // A control still waiting for its paint gets the skin's glyph then.
    if (!isAttached(hwnd) || GetUpdateRect(hwnd, nullptr, FALSE))
        return result;
    const ControlKind kind = windowKind(hwnd);
    if (kind == ControlKind::checkBox)
        paintCheckBox(hwnd, getState(hwnd), true);
    else if (kind == ControlKind::optionButton)
        paintOptionButton(hwnd, getState(hwnd), true);
    return result;
}

} // namespace skin
