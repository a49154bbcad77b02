#include "skin/paint/tab_control.h"

#include "skin/images/dpi.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/paint/button_face.h"
#include "skin/paint/common_controls.h"
#include "skin/paint/control_kit.h"

#include <commctrl.h>

#include <string>

namespace skin {

namespace {

// The header image's slices: 3 x 20 each, the normal one at x 0 and the hot
// one at x 3, their edges a pixel wide.
constexpr int kSliceWidth = 3;
constexpr int kSliceHeight = 20;
constexpr int kHotSliceX = 3;
// What the selected item stands out by, beside and above its neighbours; the
// space the control leaves before an item's image.
constexpr int kRaise = 2;
constexpr int kPadding = 6;
constexpr int kFocusInset = 3;
constexpr int kCaptionCapacity = 256;

// The side of the body the items stand on.
enum class Side { top, bottom, left, right };

Side sideOf(LONG_PTR style) noexcept
{
    if (style & TCS_VERTICAL)
        return (style & TCS_RIGHT) ? Side::right : Side::left;
    return (style & TCS_BOTTOM) ? Side::bottom : Side::top;
}

// The body's frame: the display area the control gives its pages, widened by
// the margin it keeps inside its border, and on the items' side up to them.
RECT bodyFrame(HWND hwnd, const RECT& client, Side side) noexcept
{
    RECT display = client;
    SendMessageW(hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const bool across = side == Side::top || side == Side::bottom;
    const int margin = across ? display.left - client.left : display.top - client.top;
    RECT frame = client;
    switch (side) {
    case Side::top: frame.top = display.top - margin; break;
    case Side::bottom: frame.bottom = display.bottom + margin; break;
    case Side::left: frame.left = display.left - margin; break;
    case Side::right: frame.right = display.right + margin; break;
    }
    return frame;
}

// The selected item, raised out of its row and reaching over the body's edge
// so that it opens into the body.
RECT raisedItem(RECT item, const RECT& frame, Side side, int dpi) noexcept
{
    const int raise = scaleToDpi(kRaise, dpi);
    switch (side) {
    case Side::top: InflateRect(&item, raise, 0); item.top -= raise; item.bottom = frame.top + 1; break;
    case Side::bottom: InflateRect(&item, raise, 0); item.bottom += raise; item.top = frame.bottom - 1; break;
    case Side::left: InflateRect(&item, 0, raise); item.left -= raise; item.right = frame.left + 1; break;
    case Side::right: InflateRect(&item, 0, raise); item.right += raise; item.left = frame.right - 1; break;
    }
    return item;
}

// The selected item's side that opens into the body: a line of the body's own
// colour over the frame between its two edges.
RECT openingOf(const RECT& raised, Side side) noexcept
{
    switch (side) {
    case Side::top: return RECT{raised.left + 1, raised.bottom - 1, raised.right - 1, raised.bottom};
    case Side::bottom: return RECT{raised.left + 1, raised.top, raised.right - 1, raised.top + 1};
    case Side::left: return RECT{raised.right - 1, raised.top + 1, raised.right, raised.bottom - 1};
    case Side::right: return RECT{raised.left, raised.top + 1, raised.left + 1, raised.bottom - 1};
    }
    return RECT{};
}

struct TabItem {
    std::wstring caption;
    int image = -1;
    bool pressed = false; // a button shown held in (TCIS_BUTTONPRESSED)
};

TabItem readItem(HWND hwnd, int index)
{
    std::wstring text(kCaptionCapacity, L'\0');
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
    item.dwStateMask = TCIS_BUTTONPRESSED;
    item.pszText = text.data();
    item.cchTextMax = kCaptionCapacity;
    if (!SendMessageW(hwnd, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return {};
    TabItem read;
    if (item.pszText && item.pszText != LPSTR_TEXTCALLBACKW)
        read.caption = item.pszText;
    read.image = item.iImage;
    read.pressed = (item.dwState & TCIS_BUTTONPRESSED) != 0;
    return read;
}

// The item's image at its leading edge and its caption centred in what is
// left. The control measures its items with its padding as it is at 96 DPI,
// so the image's place keeps it unscaled.
void drawContent(HWND hwnd, HDC dc, RECT box, const TabItem& item, bool enabled) noexcept
{
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd, TCM_GETIMAGELIST, 0, 0));
    if (images && item.image >= 0) {
        const ImageListCalls calls = imageListCalls(hwnd);
        int cx = 0;
        int cy = 0;
        if (calls && calls.size(images, &cx, &cy)) {
            box.left += kPadding;
            calls.draw(images, item.image, dc, box.left, box.top + (box.bottom - box.top - cy) / 2, ILD_TRANSPARENT);
            box.left += cx;
        }
    }
    if (item.caption.empty() || box.right <= box.left)
        return;
    SetTextColor(dc, captionColour(enabled));
    drawTextInBox(dc, item.caption, box.left, box.top, box.right - box.left, box.bottom - box.top, kCaptionFormat);
}

void drawHeaderSlice(HDC dc, const RECT& box, bool hot, int dpi) noexcept
{
    const ImagePart slice = scalePart(hot ? kHotSliceX : 0, 0, kSliceWidth, kSliceHeight, dpi);
    const int margin = scaleToDpi(1, dpi);
    drawImagePart(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, headerItemImageAt(dpi), slice.x,
                  slice.y, slice.width, slice.height, margin, margin, margin, margin);
}

bool showsFocus(HWND hwnd) noexcept
{
    return GetFocus() == hwnd && !(SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

RECT itemRect(HWND hwnd, int index) noexcept
{
    RECT rect{};
    if (!SendMessageW(hwnd, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)))
        return RECT{}; // scrolled out of sight
    return rect;
}

} // namespace

// Items stand on the body's frame as header slices; the selected one is
// raised and open into the body, both in the parent's background. Buttons
// (TCS_BUTTONS) are push-button tiles without a body. The scroll arrows are a
// spin button of their own, a child window the canvas leaves out; the control
// passes its notifications on to the parent.
// The control lays its items out as they change, not in its own paint, so
// what it reports here is current even before it ever painted. Under a theme
// its hot item (TCS_HOTTRACK) is only invalidated; without one Wine's control
// draws that item's inside at once through its own context, as the system's
// classic look does, and the skin's look returns with the next paint.
void paintTabControlAtDpi(HWND hwnd, HDC target, int dpi) noexcept
{
    const ClientCanvas canvas(hwnd, target);
    HDC dc = canvas.dc();
    const DcStateGuard state(dc);
    const RECT client = canvas.client();
    const HBRUSH background = parentBackground(hwnd, dc);
    FillRect(dc, &client, background);

    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const bool buttons = (style & TCS_BUTTONS) != 0;
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const Side side = sideOf(style);
    const RECT frame = bodyFrame(hwnd, client, side);
    const COLORREF frameColour = enabled ? kSkinFrameColour : kDisabledFrameColour;
    if (!buttons)
        frameSolidRect(dc, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, frameColour);

    const int count = static_cast<int>(SendMessageW(hwnd, TCM_GETITEMCOUNT, 0, 0));
    const auto selected = static_cast<int>(SendMessageW(hwnd, TCM_GETCURSEL, 0, 0));
    const auto focused = static_cast<int>(SendMessageW(hwnd, TCM_GETCURFOCUS, 0, 0));
    const auto hot = enabled ? static_cast<int>(getProp(hwnd, prop::kPartHot)) : -1;
    const bool focus = showsFocus(hwnd);
    // The selected item goes last, over its neighbours' edges.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < count; ++i) {
            if ((i == selected) != (pass == 1))
                continue;
            const RECT rect = itemRect(hwnd, i);
            if (IsRectEmpty(&rect))
                continue;
            const TabItem item = readItem(hwnd, i);
            if (buttons) {
                const VisualState look = !enabled                       ? VisualState::disabled
                                       : i == selected || item.pressed ? VisualState::pressed
                                       : i == hot                      ? VisualState::hot
                                                                       : VisualState::normal;
                // Flat buttons (TCS_FLATBUTTONS) show a tile only when hot or held in.
                if (!(style & TCS_FLATBUTTONS) || look == VisualState::hot || look == VisualState::pressed)
                    drawButtonTile(dc, rect, look, dpi);
            } else if (i == selected) {
                const RECT raised = raisedItem(rect, frame, side, dpi);
                FillRect(dc, &raised, background);
                frameSolidRect(dc, raised.left, raised.top, raised.right - raised.left, raised.bottom - raised.top,
                               frameColour);
                const RECT opening = openingOf(raised, side);
                FillRect(dc, &opening, background);
            } else {
                drawHeaderSlice(dc, rect, i == hot, dpi);
            }
            drawContent(hwnd, dc, rect, item, enabled);
            if (focus && i == focused) {
                RECT ring = rect;
                InflateRect(&ring, -scaleToDpi(kFocusInset, dpi), -scaleToDpi(kFocusInset, dpi));
                DrawFocusRect(dc, &ring);
            }
        }
}

void paintTabControl(HWND hwnd, HDC dc) noexcept
{
    paintTabControlAtDpi(hwnd, dc, windowDpi(hwnd));
}

int tabPartAt(HWND hwnd, POINT point) noexcept
{
    TCHITTESTINFO test{point, 0};
    return static_cast<int>(SendMessageW(hwnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&test)));
}

} // namespace skin
