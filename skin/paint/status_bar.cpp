#include "skin/paint/status_bar.h"

#include "skin/images/dpi.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/images/transparent.h"
#include "skin/paint/common_controls.h"
#include "skin/paint/control_kit.h"
#include "skin/paint/scroll_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace skin {

namespace {

// The bar is the header's background stretched: its column x 1, 20 high.
constexpr int kBackgroundColumn = 1;
constexpr int kHeaderHeight = 20;
// Text stands this far in from a part's left edge, as the system puts it.
constexpr int kTextIndent = 3;
// The icon stands this far in, and the text as far again after it.
constexpr int kIconIndent = 2;
// A status bar has at most 256 parts.
constexpr int kMostParts = 256;

std::wstring partText(HWND hwnd, int part, int length)
{
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(hwnd, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

// The system's tab rule: the text up to the first tab is aligned left, up to
// the second centred, the rest right; a third tab ends it. SBT_NOTABPARSING
// keeps tabs as text.
void drawPartText(HDC dc, RECT box, const std::wstring& text, UINT type, int dpi) noexcept
{
    box.left += scaleToDpi(kTextIndent, dpi);
    UINT format = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | ((type & SBT_RTLREADING) ? DT_RTLREADING : 0);
    if (type & SBT_NOTABPARSING) {
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
        return;
    }
    const UINT aligns[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    size_t start = 0;
    for (UINT align : aligns) {
        const size_t tab = text.find(L'\t', start);
        const size_t end = tab == std::wstring::npos ? text.size() : tab;
        if (end > start)
            DrawTextW(dc, text.c_str() + start, static_cast<int>(end - start), &box, format | align);
        if (tab == std::wstring::npos)
            break;
        start = tab + 1;
    }
}

// One part: a sunken part is a white field in the frame colour, a pop-out
// one the push button's face, one without borders the bar itself. Then its
// icon and its text, or, for an owner-drawn part, what its parent draws in
// the rectangle the system gives it. A part that runs to the bar's end
// (the simple one, or one whose edge is -1) ends at `client`'s: Wine works
// its rectangles out again only when it paints itself, is sized or gets new
// parts, and a bar with CCS_NORESIZE that the program sizes is none of those.
// Text stops short of `textEnd`, where the grip begins.
void drawPart(HWND hwnd, HDC dc, int part, bool simple, bool toEnd, const RECT& client, int textEnd, int dpi) noexcept
{
    RECT box{};
    if (!SendMessageW(hwnd, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&box)))
        return;
    box.bottom = client.bottom;
    if (toEnd)
        box.right = client.right;
    if (box.right <= box.left)
        return;
    const auto length = static_cast<DWORD>(SendMessageW(hwnd, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
    const UINT type = HIWORD(length);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    if (type & SBT_POPOUT) {
        drawButtonTile(dc, box, enabled ? VisualState::normal : VisualState::disabled, dpi);
    } else if (!(type & SBT_NOBORDERS)) {
        fillSolidRect(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, kWhite);
        frameSolidRect(dc, box.left, box.top, box.right - box.left, box.bottom - box.top,
                       enabled ? kSkinFrameColour : kDisabledFrameColour);
    }
    if (!(type & SBT_NOBORDERS))
        InflateRect(&box, -1, -1);
    // The simple part's icon is asked for as part -1 (Wine reads that as
    // part 255 and answers none).
    if (const auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd, SB_GETICON, simple ? WPARAM(-1) : WPARAM(part), 0))) {
        const int size = box.bottom - box.top;
        DrawIconEx(dc, box.left + kIconIndent, box.top, icon, size, size, 0, nullptr, DI_NORMAL);
        if (!(type & SBT_OWNERDRAW))
            box.left += kIconIndent + size;
    }
    if (type & SBT_OWNERDRAW) {
        DRAWITEMSTRUCT item{};
        item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        item.itemID = static_cast<UINT>(part);
        item.hwndItem = hwnd;
        item.hDC = dc;
        item.rcItem = box;
        item.itemData = static_cast<ULONG_PTR>(SendMessageW(hwnd, SB_GETTEXTW, static_cast<WPARAM>(part), 0));
        // Whatever the parent leaves selected stays out of the skin's drawing.
        const SavedDc saved(dc);
        SendMessageW(GetParent(hwnd), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        return;
    }
    if (LOWORD(length) == 0)
        return;
    SetTextColor(dc, captionColour(enabled));
    box.right = std::min<LONG>(box.right, textEnd);
    drawPartText(dc, box, partText(hwnd, part, LOWORD(length)), type, dpi);
}

// The system shows the grip unless the window it would size is maximized.
bool showsGrip(HWND hwnd) noexcept
{
    HWND parent = GetParent(hwnd);
    return (GetWindowLongPtrW(hwnd, GWL_STYLE) & SBARS_SIZEGRIP) && !(parent && IsZoomed(parent));
}

// The scroll bars' grip, its dots alone: the box they come in is left out
// by its own colour, read from its top-left pixel, which no dot reaches.
void drawGrip(HDC dc, const RECT& client, int width, int height, int dpi) noexcept
{
    const Surface grip = createMemorySurface(width, height);
    if (!grip)
        return;
    drawScrollCorner(grip.dc(), RECT{0, 0, width, height}, true, dpi);
    drawTransparent(dc, client.right - width, client.bottom - height, width, height, grip.dc(), 0, 0,
                    GetPixel(grip.dc(), 0, 0));
}

} // namespace

void paintStatusBar(HWND hwnd, HDC dc) noexcept
{
    paintStatusBarAtDpi(hwnd, dc, windowDpi(hwnd));
}

void paintStatusBarAtDpi(HWND hwnd, HDC target, int dpi) noexcept
{
    const ClientCanvas canvas(hwnd, target);
    HDC dc = canvas.dc();
    const RECT client = canvas.client();
    const ImagePart background = scalePart(kBackgroundColumn, 0, 1, kHeaderHeight, dpi);
    StretchBlt(dc, 0, 0, client.right, client.bottom, headerItemImageAt(dpi), background.x, background.y,
               background.width, background.height, SRCCOPY);
    const bool simple = SendMessageW(hwnd, SB_ISSIMPLE, 0, 0) != 0;
    int edges[kMostParts]{};
    const int parts = simple ? 1 : static_cast<int>(SendMessageW(hwnd, SB_GETPARTS, kMostParts, reinterpret_cast<LPARAM>(edges)));
    const bool grip = showsGrip(hwnd);
    const int gripWidth = grip ? systemMetricAt(SM_CXVSCROLL, dpi) : 0;
    for (int part = 0; part < std::min(parts, kMostParts); ++part)
        drawPart(hwnd, dc, part, simple, simple || edges[part] == -1, client, client.right - gripWidth, dpi);
    if (grip)
        drawGrip(dc, client, gripWidth, systemMetricAt(SM_CYHSCROLL, dpi), dpi);
}

} // namespace skin
