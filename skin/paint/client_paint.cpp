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
#include "skin/paint/common_controls.h"
#include "skin/paint/header.h"
#include "skin/paint/progress_bar.h"
#include "skin/paint/scroll_bar.h"

#include <optional>

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

// Where the window-coordinate parts of a client paint go: the window's own
// whole-window context, or the print context (client coordinates) with its
// origin moved to the window's corner while the scope lasts.
class WindowTarget {
public:
    WindowTarget(HWND hwnd, HDC print) noexcept : m_dc(print)
    {
        if (!print) {
            m_dc = m_own.emplace(hwnd).get();
            return;
        }
        m_saved.emplace(print);
        const POINT origin = clientOrigin(hwnd);
        OffsetViewportOrgEx(print, -origin.x, -origin.y, nullptr);
    }
    HDC get() const noexcept { return m_dc; }

private:
    std::optional<WindowDc> m_own;
    std::optional<SavedDc> m_saved;
    HDC m_dc;
};

// The client-coordinate context: the print context, or BeginPaint's.
class ClientTarget {
public:
    ClientTarget(HWND hwnd, HDC print) noexcept : m_dc(print ? print : m_paint.emplace(hwnd).dc()) {}
    HDC get() const noexcept { return m_dc; }

private:
    std::optional<PaintScope> m_paint;
    HDC m_dc;
};

// A print keeps to the window's region as the screen does: the rounded
// corners of a push button leave what lies under them. The clipping region
// is in device units, the region in window coordinates.
void clipToWindowRegion(HWND hwnd, HDC print) noexcept
{
    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (!region || GetWindowRgn(hwnd, region.get()) == ERROR)
        return;
    POINT device{};
    LPtoDP(print, &device, 1);
    const POINT client = clientOrigin(hwnd);
    OffsetRgn(region.get(), device.x - client.x, device.y - client.y);
    ExtSelectClipRgn(print, region.get(), RGN_AND);
}

// A push button is painted entirely from its state surface of the current
// state, fully opaque; a paint ends any fade, a print leaves it running.
LRESULT paintPushButton(HWND hwnd, HDC print) noexcept
{
    if (!print) {
        stopFadeTimer(hwnd);
        setAlpha(hwnd, 255);
        const PaintScope paint(hwnd);
        blendButtonFace(hwnd, paint.dc());
        return 0;
    }
    const SavedDc saved(print);
    clipToWindowRegion(hwnd, print);
    blendButtonFace(hwnd, print);
    return 0;
}

LRESULT paintComboBox(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, HDC print) noexcept
{
    VisualState state = getState(hwnd);
    // Simple and drop-down-list combos paint themselves; the skin flattens
    // their frame and replaces the button afterwards.
    if (GetWindowLongPtrW(hwnd, GWL_STYLE) & CBS_SIMPLE) {
        const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
        const WindowTarget dc(hwnd, print);
        drawFlatFrame(hwnd, dc.get());
        paintComboButton(hwnd, dc.get(), state, true);
        return result;
    }
    // The editable drop-down combo is drawn by the skin alone; its edit
    // field is a child window and paints itself.
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    const ClientTarget dc(hwnd, print);
    fillSolidRect(dc.get(), 0, 0, bounds.width, bounds.height, kWhite);
    frameSolidRect(dc.get(), 0, 0, bounds.width, bounds.height, frameColour(hwnd));
    paintComboButton(hwnd, dc.get(), state, true);
    return 0;
}

LRESULT paintDriveList(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, HDC print) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    VisualState state = getState(hwnd);
    const WindowTarget dc(hwnd, print);
    drawFlatFrame(hwnd, dc.get());
    paintComboButton(hwnd, dc.get(), state, true);
    return result;
}

LRESULT paintListFrame(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, HDC print) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    const WindowTarget dc(hwnd, print);
    drawFlatFrame(hwnd, dc.get());
    return result;
}

// A bordered grid gets one line in the frame colour over its own border.
LRESULT paintGrid(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, HDC print) noexcept
{
    const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
    if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_BORDER) {
        WindowBounds bounds;
        getWindowBounds(hwnd, bounds);
        const WindowTarget dc(hwnd, print);
        frameSolidRect(dc.get(), 0, 0, bounds.width, bounds.height, frameColour(hwnd));
    }
    return result;
}

// The client area as the skin shows it. `print` is WM_PRINTCLIENT's context,
// or 0 for WM_PAINT, where every painter takes its own; the control's own
// procedure gets the message itself either way.
LRESULT paintClient(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, HDC print) noexcept
{
    const ControlKind kind = windowKind(hwnd);
    if (isCommonControl(kind)) {
        // A common control paints into a context it is given, as into its own.
        if (!print && wParam)
            print = reinterpret_cast<HDC>(wParam);
        const SavedDc saved(print);
        paintCommonControl(kind, hwnd, ClientTarget(hwnd, print).get());
        return 0;
    }
    switch (kind) {
    case ControlKind::pushButton:
        return paintPushButton(hwnd, print);
    case ControlKind::comboBox:
        return paintComboBox(savedProc, hwnd, msg, wParam, lParam, print);
    case ControlKind::driveList:
        return paintDriveList(savedProc, hwnd, msg, wParam, lParam, print);
    case ControlKind::checkBox: {
        // The control draws its caption and background; the skin replaces
        // the glyph, always in the normal look.
        const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
        paintCheckBox(hwnd, VisualState::normal, true, WindowTarget(hwnd, print).get());
        return result;
    }
    case ControlKind::optionButton: {
        const LRESULT result = forward(savedProc, hwnd, msg, wParam, lParam);
        paintOptionButton(hwnd, VisualState::normal, true, WindowTarget(hwnd, print).get());
        return result;
    }
    case ControlKind::dataList:
    case ControlKind::dropDownList:
        return paintListFrame(savedProc, hwnd, msg, wParam, lParam, print);
    case ControlKind::progressBar:
        paintProgressClient(hwnd, print);
        return 0;
    case ControlKind::listHeader:
        paintWholeHeader(hwnd, print);
        return 0;
    case ControlKind::grid:
        return paintGrid(savedProc, hwnd, msg, wParam, lParam, print);
    case ControlKind::scrollBar:
        if (!isScrollBarWindow(hwnd)) // a size box keeps the system's look
            return forward(savedProc, hwnd, msg, wParam, lParam);
        if (print || wParam) {
            paintScrollBars(hwnd, print ? print : reinterpret_cast<HDC>(wParam));
        } else {
            const PaintScope paint(hwnd);
            paintScrollBars(hwnd, paint.dc());
        }
        return 0;
    default:
        return forward(savedProc, hwnd, msg, wParam, lParam);
    }
}

} // namespace

LRESULT onPaint(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    return paintClient(savedProc, hwnd, msg, wParam, lParam, nullptr);
}

LRESULT onPrintClient(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    return paintClient(savedProc, hwnd, msg, wParam, lParam, reinterpret_cast<HDC>(wParam));
}

// A group box draws only its frame and caption: what lies inside is its own.
LRESULT onEraseBackground(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept
{
    const ControlKind kind = windowKind(hwnd);
    if (isCommonControl(kind) && kind != ControlKind::groupBox)
        return 1;
    return forward(savedProc, hwnd, msg, wParam, lParam);
}

} // namespace skin
