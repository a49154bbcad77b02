#include "skin/paint/group_box.h"

#include "skin/images/dpi.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/surface.h"
#include "skin/paint/common_controls.h"
#include "skin/paint/control_kit.h"

#include <string>

namespace skin {

namespace {

// The caption stands this far in from the side it is aligned to, as the
// system places it, one more pixel away from that side.
constexpr int kCaptionInset = 7;

std::wstring captionOf(HWND hwnd)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The system's DrawText flags for a group box's caption: one line, aligned
// by BS_LEFT, BS_CENTER, BS_RIGHT or WS_EX_RIGHT; the mnemonic underlined
// unless the window's UI state hides keyboard cues.
UINT captionFormat(HWND hwnd) noexcept
{
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    UINT format = DT_SINGLELINE | DT_NOCLIP;
    if ((exStyle & WS_EX_RIGHT) || (style & BS_CENTER) == BS_RIGHT)
        format |= DT_RIGHT;
    else if ((style & BS_CENTER) == BS_CENTER)
        format |= DT_CENTER;
    if (exStyle & WS_EX_RTLREADING)
        format |= DT_RTLREADING;
    if (SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL)
        format |= DT_HIDEPREFIX;
    return format;
}

// The caption on the parent's background, one pixel wider each side and
// below, where the system puts it; the rectangle it covers, empty when there
// is no caption.
RECT captionBack(HDC dc, HWND hwnd, const std::wstring& caption, UINT format, int width, int dpi) noexcept
{
    if (caption.empty())
        return {};
    const int inset = scaleToDpi(kCaptionInset, dpi);
    RECT text{inset, 0, width - inset, 0};
    DrawTextW(dc, caption.c_str(), -1, &text, format | DT_CALCRECT);
    const int textWidth = text.right - text.left;
    if (format & DT_RIGHT)
        text.left = width - inset - 1 - textWidth;
    else if (format & DT_CENTER)
        text.left = inset + (width - 2 * inset - textWidth) / 2;
    else
        text.left = inset + 1;
    text.right = text.left + textWidth;
    const RECT back{text.left - 1, text.top, text.right + 1, text.bottom + 1};
    FillRect(dc, &back, parentBackground(hwnd, dc));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, captionColour(IsWindowEnabled(hwnd) != FALSE));
    DrawTextW(dc, caption.c_str(), -1, &text, format);
    return back;
}

} // namespace

void paintGroupBox(HWND hwnd, HDC dc) noexcept
{
    paintGroupBoxAtDpi(hwnd, dc, windowDpi(hwnd));
}

// The frame and the caption only, drawn off-screen and copied piece by
// piece. The controls inside are siblings of the box, often above it, and
// paint themselves: nothing inside the frame but the caption reaches the
// target, nor anything above the frame's top line beside the caption (the
// parent's background stays there).
void paintGroupBoxAtDpi(HWND hwnd, HDC target, int dpi) noexcept
{
    RECT client{};
    GetClientRect(hwnd, &client);
    const int width = client.right;
    const int height = client.bottom;
    const Surface surface = createMemorySurface(width, height);
    if (!surface)
        return;
    HDC dc = surface.dc();
    // Laid out as the window is, as a header is: the copies mirror nothing twice.
    if (const DWORD layout = windowLayout(hwnd))
        SetLayout(dc, layout);
    const SelectGuard font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    const std::wstring caption = captionOf(hwnd);
    const UINT format = captionFormat(hwnd);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // The frame's top line runs through the middle of the caption, where the system's does.
    const int top = metrics.tmHeight / 2 - 1;
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    frameSolidRect(dc, 0, top, width, height - top, enabled ? kSkinFrameColour : kDisabledFrameColour);
    const RECT pieces[] = {{0, top, width, top + 1}, {0, top, 1, height}, {width - 1, top, width, height},
                           {0, height - 1, width, height}, captionBack(dc, hwnd, caption, format, width, dpi)};
    for (const RECT& piece : pieces)
        BitBlt(target, piece.left, piece.top, piece.right - piece.left, piece.bottom - piece.top, dc, piece.left,
               piece.top, SRCCOPY);
}

} // namespace skin
