#include "skin/router/geometry.h"

#include "skin/core/button_surfaces.h"
#include "skin/core/engine.h"
#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/paint/combo_button.h"

namespace skin {

LRESULT onSize(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (isAttached(hwnd) && windowKind(hwnd) == ControlKind::pushButton) {
        resizeButtonSurfaces(hwnd);
        setRoundedRegion(hwnd);
    }
    return result;
}

LRESULT onWindowPosChanging(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (isAttached(hwnd) && isComboKind(lowerClassName(hwnd))) {
        VisualState state = VisualState::normal;
        paintComboButton(hwnd, nullptr, state, false);
    }
    return result;
}

LRESULT onActivate(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    // lParam is the other window of the change: a message box taking the
    // activation from the form is attached before the form handles it.
    if (auto other = reinterpret_cast<HWND>(lParam)) {
        if (GetParent(other) == hwnd || isContainer(lowerClassName(other)))
            attachWindow(other);
    }
    return forward(savedProc, hwnd, msg, wParam, lParam);
}

} // namespace skin
