#include "skin/paint/spin_button.h"

#include "skin/core/kinds.h"
#include "skin/images/dpi.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/paint/common_controls.h"
#include "skin/paint/control_kit.h"

#include <commctrl.h>

namespace skin {

namespace {

// Beside an edit box it is aligned to, the control draws the buddy's border
// on its three outer sides, and keeps a gap on the buddy's side whenever it
// has one; its arrows fill the rest, half each. The system keeps these
// lengths at every DPI, as the edit box's own border.
constexpr int kBuddyBorder = 2;
constexpr int kBuddyGap = 2;

struct SpinLayout {
    HWND buddy = nullptr;
    RECT client{};
    RECT increase{};
    RECT decrease{};
    bool horizontal = false;
    bool framed = false; // drawn as part of its edit box's frame
    bool alignLeft = false;
};

// As the control tells its buddy's kind: by the class name "Edit".
bool isEditBox(HWND hwnd) noexcept
{
    return hwnd && lowerClassName(hwnd) == L"edit";
}

SpinLayout layoutOf(HWND hwnd) noexcept
{
    SpinLayout layout;
    GetClientRect(hwnd, &layout.client);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const auto buddy = reinterpret_cast<HWND>(SendMessageW(hwnd, UDM_GETBUDDY, 0, 0));
    layout.buddy = buddy;
    layout.horizontal = (style & UDS_HORZ) != 0;
    layout.alignLeft = (style & UDS_ALIGNLEFT) != 0;
    layout.framed = (style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT)) && isEditBox(buddy);
    RECT area = layout.client;
    if (layout.framed) {
        layout.alignLeft ? area.left += kBuddyBorder : area.right -= kBuddyBorder;
        InflateRect(&area, 0, -kBuddyBorder);
    }
    if (IsWindow(buddy))
        layout.alignLeft ? area.right -= kBuddyGap : area.left += kBuddyGap;
    layout.increase = area;
    layout.decrease = area;
    if (layout.horizontal)
        layout.increase.left = layout.decrease.right = area.left + (area.right - area.left) / 2;
    else
        layout.increase.bottom = layout.decrease.top = area.top + (area.bottom - area.top) / 2;
    return layout;
}

// The buddy's frame carried on around the control: a line of the frame
// colour outside, white within, open towards the buddy.
void drawBuddyFrame(HDC dc, const SpinLayout& layout, COLORREF colour) noexcept
{
    const RECT& c = layout.client;
    const int w = c.right - c.left;
    const int h = c.bottom - c.top;
    fillSolidRect(dc, c.left, c.top, w, h, kWhite);
    fillSolidRect(dc, c.left, c.top, w, 1, colour);
    fillSolidRect(dc, c.left, c.bottom - 1, w, 1, colour);
    fillSolidRect(dc, layout.alignLeft ? c.left : c.right - 1, c.top, 1, h, colour);
}

// The arrow that the up or down key held in the focused buddy works
// (UDS_ARROWKEYS), or -1. The control repaints as it starts and stops
// acting on the key, so the key's state at paint time is the one it shows.
int keyedPart(HWND hwnd, HWND buddy) noexcept
{
    if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & UDS_ARROWKEYS) || !buddy || GetFocus() != buddy)
        return -1;
    if (GetKeyState(VK_UP) & 0x8000)
        return kSpinIncrease;
    return (GetKeyState(VK_DOWN) & 0x8000) ? kSpinDecrease : -1;
}

// Hot under the pointer, pressed while held down there or worked by its key;
// the pointer held over the other arrow shows neither.
VisualState arrowState(int part, int hot, bool held, int keyed, bool enabled) noexcept
{
    if (!enabled)
        return VisualState::disabled;
    if (part == keyed)
        return VisualState::pressed;
    if (part != hot)
        return VisualState::normal;
    return held ? VisualState::pressed : VisualState::hot;
}

void drawArrow(HDC dc, const RECT& box, Direction direction, VisualState state, int dpi) noexcept
{
    if (IsRectEmpty(&box))
        return;
    drawButtonTile(dc, box, state, dpi);
    drawArrowGlyph(dc, box, direction, state != VisualState::disabled, dpi);
}

} // namespace

// Two push-button tiles with the combo button's arrow on each. The control
// gives an arrow no look of its own at either end of its range (nor does
// Wine's), so neither does the skin.
void paintSpinButtonAtDpi(HWND hwnd, HDC target, int dpi) noexcept
{
    const ClientCanvas canvas(hwnd, target);
    HDC dc = canvas.dc();
    const SpinLayout layout = layoutOf(hwnd);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    if (layout.framed)
        drawBuddyFrame(dc, layout, enabled ? kSkinFrameColour : kDisabledFrameColour);
    else
        FillRect(dc, &layout.client, parentBackground(hwnd, dc));
    const auto hot = static_cast<int>(getProp(hwnd, prop::kPartHot));
    const bool held = heldDown(hwnd);
    const int keyed = keyedPart(hwnd, layout.buddy);
    drawArrow(dc, layout.increase, layout.horizontal ? Direction::right : Direction::up,
              arrowState(kSpinIncrease, hot, held, keyed, enabled), dpi);
    drawArrow(dc, layout.decrease, layout.horizontal ? Direction::left : Direction::down,
              arrowState(kSpinDecrease, hot, held, keyed, enabled), dpi);
}

void paintSpinButton(HWND hwnd, HDC dc) noexcept
{
    paintSpinButtonAtDpi(hwnd, dc, windowDpi(hwnd));
}

int spinPartAt(HWND hwnd, POINT point) noexcept
{
    const SpinLayout layout = layoutOf(hwnd);
    if (PtInRect(&layout.increase, point))
        return kSpinIncrease;
    return PtInRect(&layout.decrease, point) ? kSpinDecrease : -1;
}

} // namespace skin
