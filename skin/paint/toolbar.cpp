// Toolbars: the parent's background (a transparent toolbar) or the header's
// bar, each button on the push button's face where the system would show a
// face, its image from the toolbar's own image lists and its text where the
// system places them, separators and the combo box's arrow for drop-downs.
//
// The skin paints the client area itself rather than through the toolbar's
// NM_CUSTOMDRAW: that notification goes to the parent, which the host may
// answer itself and the skin need not have subclassed, and it leaves the
// separators, the arrows and the background to the system whatever the answer.
#include "skin/paint/toolbar.h"

#include "skin/core/properties.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/scratch.h"
#include "skin/images/skin_images.h"
#include "skin/paint/button_face.h"
#include "skin/paint/common_controls.h"
#include "skin/paint/control_kit.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>

namespace skin {

namespace {

// The system's drop-down arrow width on a flat toolbar (two more otherwise),
// and the gap it leaves between an image and the text beside it.
constexpr int kDropDownWidth = 11;
constexpr int kListGap = 4;
constexpr int kSeparatorInset = 2;
// The header image's column that, stretched, is the bar behind the buttons.
constexpr int kBarColumn = 1;
constexpr int kBarHeight = 20;
// Part numbers: two for each button, its face and its drop-down arrow.
constexpr int kPartsPerButton = 2;
constexpr UINT kListFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
constexpr UINT kBelowFormat = DT_CENTER | DT_END_ELLIPSIS;

// What every button's drawing needs to know of the toolbar, asked once.
struct ToolbarLook {
    HWND hwnd = nullptr;
    LONG_PTR style = 0;
    DWORD exStyle = 0;
    bool flat = false;
    bool enabled = true;
    int hot = -1;
    int partHot = -1;
    bool buttonDown = false;
    int version = 0;
    SIZE padding{};
    SIZE image{16, 16}; // the system's bitmap size while the toolbar has no list
    bool hasImages = false;
    bool showsText = true;
    ImageListCalls calls;
    int dpi = kBaseDpi;
};

ToolbarLook toolbarLook(HWND hwnd, int dpi) noexcept
{
    ToolbarLook t;
    t.hwnd = hwnd;
    t.dpi = dpi;
    t.style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    t.exStyle = static_cast<DWORD>(SendMessageW(hwnd, TB_GETEXTENDEDSTYLE, 0, 0));
    t.flat = (t.style & TBSTYLE_FLAT) != 0;
    t.enabled = IsWindowEnabled(hwnd) != FALSE;
    // The system shows the hot item only on a flat toolbar.
    t.hot = t.flat ? static_cast<int>(SendMessageW(hwnd, TB_GETHOTITEM, 0, 0)) : -1;
    t.partHot = static_cast<int>(getProp(hwnd, prop::kPartHot));
    t.buttonDown = GetKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) < 0;
    t.version = static_cast<int>(SendMessageW(hwnd, CCM_GETVERSION, 0, 0));
    const auto padding = static_cast<DWORD>(SendMessageW(hwnd, TB_GETPADDING, 0, 0));
    t.padding = {LOWORD(padding), HIWORD(padding)};
    t.calls = imageListCalls(hwnd);
    if (const auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd, TB_GETIMAGELIST, 0, 0)); list && t.calls) {
        int w = 0;
        int h = 0;
        if (t.calls.size(list, &w, &h))
            t.image = {w, h};
        t.hasImages = t.calls.count(list) > 0;
    }
    t.showsText = SendMessageW(hwnd, TB_GETTEXTROWS, 0, 0) > 0;
    return t;
}

bool hasDropDown(const ToolbarLook& t, const TBBUTTON& b) noexcept
{
    return ((t.exStyle & TBSTYLE_EX_DRAWDDARROWS) && (b.fsStyle & BTNS_DROPDOWN)) || (b.fsStyle & BTNS_WHOLEDROPDOWN);
}

// The drop-down arrow's box at the button's right: where the system tells it
// (TB_GETITEMDROPDOWNRECT; Wine 8 does not know that message and answers 0),
// else where it puts it.
RECT dropDownBox(const ToolbarLook& t, int index, const RECT& button) noexcept
{
    RECT box{};
    if (SendMessageW(t.hwnd, TB_GETITEMDROPDOWNRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&box)))
        return box;
    box = button;
    box.left = std::max(button.left, button.right - kDropDownWidth - (t.flat ? 0 : 2));
    return box;
}

// The face a button shows: on a flat toolbar only while hot, pressed or
// checked, as the system draws its edges.
std::optional<VisualState> faceOf(const ToolbarLook& t, bool enabled, bool pressed, bool hot) noexcept
{
    if (!enabled)
        return t.flat ? std::nullopt : std::optional(VisualState::disabled);
    if (pressed)
        return VisualState::pressed;
    if (hot)
        return VisualState::hot;
    return t.flat ? std::nullopt : std::optional(VisualState::normal);
}

void drawFace(HDC dc, const RECT& box, std::optional<VisualState> face, int dpi) noexcept
{
    if (face)
        drawButtonTile(dc, box, *face, dpi);
}

std::wstring buttonText(HWND hwnd, int command)
{
    const LRESULT length = SendMessageW(hwnd, TB_GETBUTTONTEXTW, static_cast<WPARAM>(command), 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(hwnd, TB_GETBUTTONTEXTW, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

// The button's image from the list its state asks for: the disabled list for
// a disabled or indeterminate button, the hot list for a hot or checked one
// on a flat toolbar, else the normal list. Without a disabled list the normal
// image shows half faded into the face beneath.
void drawImage(HDC dc, const ToolbarLook& t, const TBBUTTON& b, POINT at, bool enabled, bool hot) noexcept
{
    if (!t.calls || b.iBitmap == I_IMAGENONE || b.iBitmap == I_IMAGECALLBACK)
        return;
    // From version 5 on, the high word picks one of several lists.
    const WPARAM id = t.version >= 5 ? HIWORD(b.iBitmap) : 0;
    const int index = t.version >= 5 ? LOWORD(b.iBitmap) : b.iBitmap;
    const auto list = [&](UINT msg) { return reinterpret_cast<HIMAGELIST>(SendMessageW(t.hwnd, msg, id, 0)); };
    const HIMAGELIST normal = list(TB_GETIMAGELIST);
    HIMAGELIST chosen = !enabled ? list(TB_GETDISABLEDIMAGELIST) : hot ? list(TB_GETHOTIMAGELIST) : nullptr;
    if (!chosen)
        chosen = normal;
    if (!chosen || index < 0 || index >= t.calls.count(chosen))
        return;
    if (enabled || chosen != normal) {
        t.calls.draw(chosen, index, dc, at.x, at.y, ILD_TRANSPARENT);
        return;
    }
    int w = 0;
    int h = 0;
    t.calls.size(normal, &w, &h);
    HDC work = scratchSurface(ScratchUse::picture, w, h);
    if (!work)
        return;
    BitBlt(work, 0, 0, w, h, dc, at.x, at.y, SRCCOPY);
    t.calls.draw(normal, index, work, 0, 0, ILD_TRANSPARENT);
    const BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
    GdiAlphaBlend(dc, at.x, at.y, w, h, work, 0, 0, w, h, half);
}

// A line across the middle of a flat toolbar's separator; a plain one leaves
// a gap, as the system does.
void drawSeparator(HDC dc, const ToolbarLook& t, const RECT& r) noexcept
{
    if (!t.flat)
        return;
    const int inset = scaleToDpi(kSeparatorInset, t.dpi);
    if (t.style & CCS_VERT)
        fillSolidRect(dc, r.left + inset, (r.top + r.bottom) / 2, r.right - r.left - 2 * inset, 1, kSkinFrameColour);
    else
        fillSolidRect(dc, (r.left + r.right) / 2, r.top + inset, 1, r.bottom - r.top - 2 * inset, kSkinFrameColour);
}

void drawButton(HDC dc, const ToolbarLook& t, int index, const TBBUTTON& b, RECT body) noexcept
{
    const bool enabled = t.enabled && (b.fsState & TBSTATE_ENABLED);
    const bool content = enabled && !(b.fsState & TBSTATE_INDETERMINATE);
    const bool sunken = (b.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;
    const bool hot = index == t.hot;
    const bool dropDown = hasDropDown(t, b);
    const bool split = dropDown && !(b.fsStyle & BTNS_WHOLEDROPDOWN);
    const RECT arrow = dropDown ? dropDownBox(t, index, body) : RECT{};
    if (split)
        body.right = arrow.left;
    drawFace(dc, body, faceOf(t, enabled, sunken, hot), t.dpi);
    // A press on the split arrow shows there; the system keeps that to itself.
    const bool arrowDown = split && t.buttonDown && t.partHot == index * kPartsPerButton + 1;
    if (split)
        drawFace(dc, arrow, faceOf(t, enabled, sunken || arrowDown, hot), t.dpi);
    // The system moves a pressed or checked button's content a pixel down and right.
    const int shift = sunken ? 1 : 0;
    if (dropDown) {
        RECT glyph = arrow;
        const int glyphShift = sunken || arrowDown ? 1 : 0;
        OffsetRect(&glyph, glyphShift, glyphShift);
        drawArrowGlyph(dc, glyph, Direction::down, content, t.dpi);
    }

    const bool list = (t.style & TBSTYLE_LIST) != 0;
    const bool text = t.showsText && (!(t.exStyle & TBSTYLE_EX_MIXEDBUTTONS) || (b.fsStyle & BTNS_SHOWTEXT));
    const std::wstring caption = text ? buttonText(t.hwnd, b.idCommand) : std::wstring();
    const int edge = GetSystemMetrics(SM_CXEDGE);
    POINT image{list ? body.left + edge + (caption.empty() ? kListGap / 2 : t.padding.cx / 2)
                     : body.left + (body.right - body.left - t.image.cx) / 2,
                body.top + t.padding.cy / 2};
    image.x += shift;
    image.y += shift;
    drawImage(dc, t, b, image, content, (hot && t.flat) || (b.fsState & TBSTATE_CHECKED));
    if (caption.empty())
        return;
    // Below the image, or beside it on a list toolbar.
    RECT box{body.left + edge, body.top, body.right - edge, body.bottom};
    if (list)
        box.left += t.image.cx + kListGap + 2;
    else
        box.top += t.padding.cy / 2 + (t.hasImages ? t.image.cy + 1 : 2);
    OffsetRect(&box, shift, shift);
    SetTextColor(dc, captionColour(content));
    const UINT prefix = (b.fsStyle & BTNS_NOPREFIX) ? DT_NOPREFIX : 0;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box, (list ? kListFormat : kBelowFormat) | prefix);
}

void drawBackground(HDC dc, const ToolbarLook& t, const RECT& client) noexcept
{
    if (t.style & TBSTYLE_TRANSPARENT) {
        FillRect(dc, &client, parentBackground(t.hwnd, dc));
        return;
    }
    const ImagePart bar = scalePart(kBarColumn, 0, 1, kBarHeight, t.dpi);
    StretchBlt(dc, 0, 0, client.right, client.bottom, headerItemImageAt(t.dpi), bar.x, bar.y, bar.width, bar.height,
               SRCCOPY);
}

} // namespace

void paintToolbar(HWND hwnd, HDC dc) noexcept
{
    const ClientCanvas canvas(hwnd, dc);
    paintToolbarAtDpi(hwnd, canvas.dc(), canvas.dpi());
}

void paintToolbarAtDpi(HWND hwnd, HDC dc, int dpi) noexcept
{
    // The toolbar leaves the size of the images of a list it made itself
    // until it paints.
    runOwnPaint(hwnd, dc);
    const ToolbarLook t = toolbarLook(hwnd, dpi);
    RECT client{};
    GetClientRect(hwnd, &client);
    drawBackground(dc, t, client);
    const SelectGuard font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    const DcStateGuard state(dc);
    SetBkMode(dc, TRANSPARENT);
    const auto count = static_cast<int>(SendMessageW(hwnd, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON b{};
        RECT r{};
        if (!SendMessageW(hwnd, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b))
            || (b.fsState & TBSTATE_HIDDEN)
            || !SendMessageW(hwnd, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)))
            continue;
        if (b.fsStyle & BTNS_SEP)
            drawSeparator(dc, t, r);
        else
            drawButton(dc, t, i, b, r);
    }
}

int toolbarPartAt(HWND hwnd, POINT point) noexcept
{
    ToolbarLook t;
    t.hwnd = hwnd;
    t.style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    t.flat = (t.style & TBSTYLE_FLAT) != 0;
    t.exStyle = static_cast<DWORD>(SendMessageW(hwnd, TB_GETEXTENDEDSTYLE, 0, 0));
    const auto count = static_cast<int>(SendMessageW(hwnd, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON b{};
        RECT r{};
        if (!SendMessageW(hwnd, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b))
            || (b.fsStyle & BTNS_SEP) || (b.fsState & TBSTATE_HIDDEN)
            || !SendMessageW(hwnd, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))
            || !PtInRect(&r, point))
            continue;
        const RECT arrow = dropDownBox(t, i, r);
        const bool onArrow = hasDropDown(t, b) && !(b.fsStyle & BTNS_WHOLEDROPDOWN) && PtInRect(&arrow, point);
        return i * kPartsPerButton + (onArrow ? 1 : 0);
    }
    return -1;
}

} // namespace skin
