#include "skin/paint/header.h"

#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/paint/button_face.h"

#include <commctrl.h>

#include <optional>
#include <string>

namespace skin {

namespace {

// The header image holds three 3 x 20 slices side by side; its column x 1,
// stretched, is the background beyond the last item.
constexpr int kSliceWidth = 3;
constexpr int kSliceHeight = 20;
constexpr int kBackgroundColumn = 1;
// Longest caption read back from an item, in characters.
constexpr int kCaptionCapacity = 1024;

int sliceX(VisualState state) noexcept
{
    switch (state) {
    case VisualState::hot: return 3;
    case VisualState::pressed: return 6;
    default: return 0;
    }
}

RECT itemRect(HWND hwnd, int index) noexcept
{
    // Left all zeros when the header has no such item, so nothing shows.
    RECT rect{};
    SendMessageW(hwnd, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

std::wstring itemCaption(HWND hwnd, int index)
{
    std::wstring text(kCaptionCapacity, L'\0');
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text.data();
    item.cchTextMax = kCaptionCapacity;
    if (!SendMessageW(hwnd, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return {};
    // The header may hand back its own buffer instead of filling ours.
    if (item.pszText && item.pszText != LPSTR_TEXTCALLBACKW)
        return std::wstring(item.pszText);
    return {};
}

void drawItem(HDC dc, int x, int width, int height, VisualState state, int dpi) noexcept
{
    const ImagePart slice = scalePart(sliceX(state), 0, kSliceWidth, kSliceHeight, dpi);
    const int margin = scaleToDpi(1, dpi);
    drawImagePart(dc, x, 0, width, height, headerItemImageAt(dpi), slice.x, slice.y, slice.width, slice.height,
                  margin, margin, margin, margin);
}

} // namespace

void paintWholeHeader(HWND hwnd, HDC dc) noexcept
{
    paintWholeHeaderAtDpi(hwnd, windowDpi(hwnd), dc);
}

void paintWholeHeaderAtDpi(HWND hwnd, int dpi, HDC target) noexcept
{
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    Surface surface = createMemorySurface(bounds.width, bounds.height);
    HDC dc = surface.dc();
    if (const DWORD layout = windowLayout(hwnd))
        SetLayout(dc, layout); // the captions come out unmirrored
    const ImagePart background = scalePart(kBackgroundColumn, 0, 1, kSliceHeight, dpi);
    StretchBlt(dc, 0, 0, bounds.width, bounds.height, headerItemImageAt(dpi), background.x, background.y,
               background.width, background.height, SRCCOPY);

    const int count = static_cast<int>(SendMessageW(hwnd, HDM_GETITEMCOUNT, 0, 0));
    if (count > 0) {
        const auto pressed = static_cast<int>(getProp(hwnd, prop::kHdIndex));
        const auto hot = static_cast<int>(getProp(hwnd, prop::kHmIndex));
        const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
        SelectGuard fontGuard(dc, font);
        SetBkMode(dc, TRANSPARENT);
        for (int i = 0; i < count; ++i) {
            const RECT rect = itemRect(hwnd, i);
            // A held-down item shows pressed even while the mouse is over it.
            const VisualState state = i == pressed ? VisualState::pressed
                                    : i == hot     ? VisualState::hot
                                                   : VisualState::normal;
            drawItem(dc, rect.left, rect.right - rect.left, bounds.height, state, dpi);
            const std::wstring caption = itemCaption(hwnd, i);
            if (!caption.empty())
                drawTextInBox(dc, caption, rect.left, 0, rect.right - rect.left, rect.bottom, kCaptionFormat);
        }
    }

    std::optional<PaintScope> paint;
    if (!target)
        target = paint.emplace(hwnd).dc();
    BitBlt(target, 0, 0, bounds.width, bounds.height, dc, 0, 0, SRCCOPY);
}

int paintHeaderItem(HWND hwnd, HDC dc, int index, VisualState state) noexcept
{
    if (index < 0)
        return 0;
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    const RECT rect = itemRect(hwnd, index);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    Surface surface = createMemorySurface(width, bounds.height);
    if (const DWORD layout = windowLayout(hwnd))
        SetLayout(surface.dc(), layout);
    {
        const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
        SelectGuard fontGuard(surface.dc(), font);
        SetBkMode(surface.dc(), TRANSPARENT);
        drawItem(surface.dc(), 0, width, bounds.height, state, windowDpi(hwnd));
        const std::wstring caption = itemCaption(hwnd, index);
        if (!caption.empty())
            drawTextInBox(surface.dc(), caption, 0, 0, width, bounds.height, kCaptionFormat);
    }

    std::optional<WindowDc> own;
    if (!dc) {
        own.emplace(hwnd);
        dc = own->get();
    }
    BitBlt(dc, rect.left, 0, width, height, surface.dc(), 0, 0, SRCCOPY);
    return 0;
}

} // namespace skin
