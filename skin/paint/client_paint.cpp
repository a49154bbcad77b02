#include "skin/paint/client_paint.h"

#include "skin/core/fade_timer.h"
#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/paint/button_face.h"
#include "skin/paint/check_option.h"
#include "skin/paint/combo_button.h"
#include "skin/paint/header.h"
#include "skin/paint/progress_bar.h"
#include "skin/paint/scroll_bar.h"

namespace skin {

namespace {

COLORREF frameColour(HWND hwnd) noexcept
{
    return IsWindowEnabled(hwnd) ? kSkinFrameColour : kDisabledFrameColour;
}

// The flat look of list-like controls, over whatever they drew themselves:
// an outer line in the frame colour and a white line inside it.
void drawFlatFrame(HWND hwnd, HDC windowDc) noexcept
{
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    frameSolidRect(windowDc, 0, 0, bounds.width, bounds.height, frameColour(hwnd));
    frameSolidRect(windowDc, 1, 1, bounds.width - 2, bounds.height - 2, kWhite);
}

// A push button is painted entirely from its state surface of the current
// state, fully opaque; a paint ends any fade.
LRESULT paintPushButton(HWND hwnd) noexcept
{
    stopFadeTimer(hwnd);
    setAlpha(hwnd, 255);
    PaintScope paint(hwnd);
    blendButtonFace(hwnd, paint.dc());
    return 0;
}

LRESULT paintComboBox(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    VisualState state = getState(hwnd);
    // Simple and drop-down-list combos paint themselves; the skin flattens
    // their frame and replaces the button afterwards.
    if (GetWindowLongPtrW(hwnd, GWL_STYLE) & CBS_SIMPLE) {
        const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
        WindowDc dc(hwnd);
        drawFlatFrame(hwnd, dc.get());
        paintComboButton(hwnd, dc.get(), state, true);
        return result;
    }
    // The editable drop-down combo is drawn by the skin alone; its edit
    // field is a child window and paints itself.
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    PaintScope paint(hwnd);
    fillSolidRect(paint.dc(), 0, 0, bounds.width, bounds.height, kWhite);
    frameSolidRect(paint.dc(), 0, 0, bounds.width, bounds.height, frameColour(hwnd));
    paintComboButton(hwnd, paint.dc(), state, true);
    return 0;
}

LRESULT paintDriveList(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    VisualState state = getState(hwnd);
    WindowDc dc(hwnd);
    drawFlatFrame(hwnd, dc.get());
    paintComboButton(hwnd, dc.get(), state, true);
    return result;
}

LRESULT paintListFrame(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    WindowDc dc(hwnd);
    drawFlatFrame(hwnd, dc.get());
    return result;
}

// A bordered grid gets one line in the frame colour over its own border.
LRESULT paintGrid(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_BORDER) {
        WindowBounds bounds;
        getWindowBounds(hwnd, bounds);
        WindowDc dc(hwnd);
        frameSolidRect(dc.get(), 0, 0, bounds.width, bounds.height, frameColour(hwnd));
    }
    return result;
}

} // namespace

LRESULT onPaint(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (windowKind(hwnd)) {
    case ControlKind::pushButton:
        return paintPushButton(hwnd);
    case ControlKind::comboBox:
        return paintComboBox(savedProc, hwnd, msg, wParam, lParam);
    case ControlKind::driveList:
        return paintDriveList(savedProc, hwnd, msg, wParam, lParam);
    case ControlKind::checkBox: {
        // The control draws its caption and background; the skin replaces
        // the glyph, always in the normal look.
        const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
        paintCheckBox(hwnd, VisualState::normal, true);
        return result;
    }
    case ControlKind::optionButton: {
        const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
        paintOptionButton(hwnd, VisualState::normal, true);
        return result;
    }
    case ControlKind::dataList:
    case ControlKind::dropDownList:
        return paintListFrame(savedProc, hwnd, msg, wParam, lParam);
    case ControlKind::progressBar:
        paintProgressClient(hwnd);
        return 0;
    case ControlKind::listHeader:
        paintWholeHeader(hwnd);
        return 0;
    case ControlKind::grid:
        return paintGrid(savedProc, hwnd, msg, wParam, lParam);
    case ControlKind::scrollBar:
        if (!isScrollBarWindow(hwnd)) // a size box keeps the system's look
            return forward(savedProc, hwnd, msg, wParam, lParam);
        if (wParam) {
            paintScrollBars(hwnd, reinterpret_cast<HDC>(wParam));
        } else {
            const PaintScope paint(hwnd);
            paintScrollBars(hwnd, paint.dc());
        }
        return 0;
    default:
        return forward(savedProc, hwnd, msg, wParam, lParam);
    }
}

} // namespace skin
