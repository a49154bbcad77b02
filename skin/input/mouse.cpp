#include "skin/input/mouse.h"

#include "skin/core/engine.h"
#include "skin/core/handler.h"
#include "skin/core/kinds.h"
#include "skin/core/properties.h"
#include "skin/images/dpi.h"
#include "skin/images/rect.h"
#include "skin/input/fade.h"
#include "skin/paint/button_face.h"
#include "skin/paint/check_option.h"
#include "skin/paint/combo_button.h"
#include "skin/paint/common_controls.h"
#include "skin/paint/header.h"

#include <commctrl.h>

namespace skin {

namespace {

bool leftButtonHeld(WPARAM wParam) noexcept
{
    return (wParam & MK_LBUTTON) != 0;
}

// The first move after an entry asks for one leave notification.
void noteEntry(HWND hwnd) noexcept
{
    if (getProp(hwnd, prop::kMouseFlag) != 0)
        return;
    setProp(hwnd, prop::kMouseFlag, 1);
    trackMouseLeave(hwnd);
}

void movePushButton(HWND hwnd) noexcept
{
    if (getProp(hwnd, prop::kMouseFlag) == 0) {
        setProp(hwnd, prop::kMouseFlag, 1);
        trackMouseLeave(hwnd);
        setState(hwnd, VisualState::hot);
        setAlpha(hwnd, 0);
        startFadeTimer(hwnd); // the hot face fades in; nothing is painted now
        return;
    }
    if (pointerIsOver(hwnd))
        return;
    // The pointer is held captured outside: show the current state at once.
    stopFadeTimer(hwnd);
    setAlpha(hwnd, 255);
    blendButtonFace(hwnd, nullptr);
}

void moveComboBox(HWND hwnd, WPARAM wParam, LPARAM lParam) noexcept
{
    noteEntry(hwnd);
    const int x = readLowWord(lParam);
    const int y = readHighWord(lParam);
    const bool wholeControl = (GetWindowLongPtrW(hwnd, GWL_STYLE) & 0x1) != 0;
    const bool onButton = wholeControl || comboButtonArea(hwnd, x, y);
    VisualState state = !onButton ? VisualState::normal
                        : leftButtonHeld(wParam) ? VisualState::pressed
                                                 : VisualState::hot;
    paintComboButton(hwnd, nullptr, state, false);
}

void moveDriveList(HWND hwnd, WPARAM wParam) noexcept
{
    noteEntry(hwnd);
    VisualState state = leftButtonHeld(wParam) ? VisualState::pressed : VisualState::hot;
    paintComboButton(hwnd, nullptr, state, false);
}

// A common control shows the part under the pointer hot: a move onto another
// part, or off the control, repaints it.
void showPartHot(HWND hwnd, int part) noexcept
{
    if (part == getProp(hwnd, prop::kPartHot))
        return;
    setProp(hwnd, prop::kPartHot, part);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void moveListHeader(HWND hwnd, WPARAM wParam, LPARAM lParam) noexcept
{
    noteEntry(hwnd);
    const int hit = hitTestHeaderItem(hwnd, readLowWord(lParam));
    const auto old = static_cast<int>(getProp(hwnd, prop::kHmIndex));
    const auto pressedItem = static_cast<int>(getProp(hwnd, prop::kHdIndex));
    if (hit == old)
        return;
    if (old >= 0 && old != pressedItem)
        paintHeaderItem(hwnd, nullptr, old, VisualState::normal);
    if (!leftButtonHeld(wParam)) {
        setProp(hwnd, prop::kHmIndex, hit);
        paintHeaderItem(hwnd, nullptr, hit, VisualState::hot);
    } else if (hit == pressedItem) {
        paintHeaderItem(hwnd, nullptr, hit, VisualState::pressed);
    }
}

void leavePushButton(HWND hwnd) noexcept
{
    setProp(hwnd, prop::kMouseFlag, 0);
    setState(hwnd, VisualState::hot);
    setAlpha(hwnd, 140);
    blendButtonFace(hwnd, nullptr);
    setState(hwnd, VisualState::normal);
    setAlpha(hwnd, 0);
    startFadeTimer(hwnd);
}

void leaveListHeader(HWND hwnd) noexcept
{
    const auto old = static_cast<int>(getProp(hwnd, prop::kHmIndex));
    setProp(hwnd, prop::kMouseFlag, 0);
    setProp(hwnd, prop::kHdIndex, -1);
    setProp(hwnd, prop::kHmIndex, -1);
    if (old >= 0)
        paintHeaderItem(hwnd, nullptr, old, VisualState::normal);
}

} // namespace

// The common controls' stand-in is taken only from a copy the host has loaded
// already: the skin never makes the loader look for that library, which it
// would search for beside the host's program first.
void trackMouseLeave(HWND hwnd) noexcept
{
    TRACKMOUSEEVENT request{sizeof(request), TME_LEAVE, hwnd, 0};
    if (trackMouseEventAvailable()) {
        TrackMouseEvent(&request);
        return;
    }
    using Track = BOOL(WINAPI*)(TRACKMOUSEEVENT*);
    if (HMODULE controls = GetModuleHandleW(L"comctl32.dll"))
        if (const auto track = reinterpret_cast<Track>(reinterpret_cast<void*>(GetProcAddress(controls, "_TrackMouseEvent"))))
            track(&request);
}

int readLowWord(LPARAM value) noexcept
{
    return static_cast<short>(LOWORD(value));
}

int readHighWord(LPARAM value) noexcept
{
    return static_cast<short>(HIWORD(value));
}

bool comboButtonArea(HWND hwnd, int x, int y) noexcept
{
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    // The drop-down button's width at the window's DPI, as the painter draws it.
    const int scrollWidth = systemMetricAt(SM_CXVSCROLL, windowDpi(hwnd));
    return x >= bounds.width - scrollWidth - 2 && x <= bounds.width - 2 && y >= 2 && y <= bounds.height - 2;
}

int hitTestHeaderItem(HWND hwnd, int x) noexcept
{
    const auto count = static_cast<int>(SendMessageW(hwnd, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT item{};
        SendMessageW(hwnd, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        if (item.left <= x && x <= item.right)
            return i;
    }
    return -1;
}

bool pointerIsOver(HWND hwnd) noexcept
{
    POINT pointer{};
    GetCursorPos(&pointer);
    return WindowFromPoint(pointer) == hwnd;
}

LRESULT onMouseMove(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (!isAttached(hwnd))
        return result;
    const ControlKind kind = windowKind(hwnd);
    const VisualState held = leftButtonHeld(wParam) ? VisualState::pressed : VisualState::hot;
    if (kind == ControlKind::pushButton) {
        movePushButton(hwnd);
    } else if (kind == ControlKind::comboBox) {
        moveComboBox(hwnd, wParam, lParam);
    } else if (kind == ControlKind::driveList) {
        moveDriveList(hwnd, wParam);
    } else if (kind == ControlKind::checkBox) {
        noteEntry(hwnd);
        paintCheckBox(hwnd, held, true);
    } else if (kind == ControlKind::optionButton) {
        noteEntry(hwnd);
        paintOptionButton(hwnd, held, true);
    } else if (kind == ControlKind::listHeader) {
        moveListHeader(hwnd, wParam, lParam);
    } else if (hasPointerParts(kind)) {
        noteEntry(hwnd);
        showPartHot(hwnd, commonPartAt(kind, hwnd, POINT{readLowWord(lParam), readHighWord(lParam)}));
    }
    return result;
}

LRESULT onMouseLeave(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (!isAttached(hwnd))
        return result;
    const ControlKind kind = windowKind(hwnd);
    if (kind == ControlKind::pushButton) {
        leavePushButton(hwnd);
    } else if (kind == ControlKind::container) {
        // nothing of its own
    } else if (kind == ControlKind::comboBox || kind == ControlKind::driveList) {
        setProp(hwnd, prop::kMouseFlag, 0);
        VisualState state = VisualState::normal;
        paintComboButton(hwnd, nullptr, state, false);
    } else if (kind == ControlKind::checkBox) {
        setProp(hwnd, prop::kMouseFlag, 0);
        paintCheckBox(hwnd, VisualState::normal, false);
    } else if (kind == ControlKind::optionButton) {
        setProp(hwnd, prop::kMouseFlag, 0);
        paintOptionButton(hwnd, VisualState::normal, false);
    } else if (kind == ControlKind::listHeader) {
        leaveListHeader(hwnd);
    } else if (hasPointerParts(kind)) {
        setProp(hwnd, prop::kMouseFlag, 0);
        showPartHot(hwnd, -1);
    }
    return result;
}

} // namespace skin
