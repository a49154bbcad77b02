#include "skin/paint/button_face.h"

#include "skin/core/button_surfaces.h"
#include "skin/core/properties.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/paint/button_face_content.h"

#include <optional>

namespace skin {

namespace {

constexpr int kTileHeight = 21;
constexpr int kTileWidth = 7;
constexpr int kTileMargin = 3;
constexpr int kCaptionInset = 2;
constexpr COLORREF kCaptionColour = 0x00000000;

// Face, content and (while focused) the focus box into the four surfaces.
void drawFaces(HWND hwnd, int dpi) noexcept
{
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    const int w = bounds.width;
    const int h = bounds.height;
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    const bool focused = GetFocus() == hwnd;
    const int margin = scaleToDpi(kTileMargin, dpi);
    const int inset = scaleToDpi(kCaptionInset, dpi);
    HDC image = buttonFaceImageAt(dpi);
    const FaceContent content(hwnd, dpi);
    const DWORD layout = windowLayout(hwnd);

    for (int n = 0; n < 4; ++n) {
        HDC surface = stateSurface(hwnd, n);
        if (!surface)
            continue;
        // Drawn in the window's layout, the surface holds the face as it shows.
        std::optional<LayoutGuard> mirrored;
        if (layout)
            mirrored.emplace(surface, layout);
        // The font belongs to the control: it is selected out again at once.
        SelectGuard fontGuard(surface, font);
        SetBkMode(surface, TRANSPARENT);
        const ImagePart tile = scalePart(0, kTileHeight * n, kTileWidth, kTileHeight, dpi);
        drawImagePart(surface, 0, 0, w, h, image, tile.x, tile.y, tile.width, tile.height,
                      margin, margin, margin, margin);
        SetTextColor(surface, n == static_cast<int>(VisualState::disabled) ? kDisabledCaptionColour : kCaptionColour);
        content.draw(surface, RECT{inset, inset, w - inset, h - inset});
        if (focused)
            drawFocusBox(surface, inset, inset, w - 2 * inset, h - 2 * inset);
    }
}

} // namespace

void renderButtonFaces(HWND hwnd) noexcept
{
    renderButtonFacesAtDpi(hwnd, windowDpi(hwnd));
}

void renderButtonFacesAtDpi(HWND hwnd, int dpi) noexcept
{
    drawFaces(hwnd, dpi);
}

int blendButtonFace(HWND hwnd, HDC dc) noexcept
{
    if (!IsWindowEnabled(hwnd))
        setState(hwnd, VisualState::disabled);
    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    const int n = static_cast<int>(getState(hwnd));
    if (n < 0 || n > 3)
        return 0; // no surface for a state that is not one
    const int alpha = getAlpha(hwnd);

    std::optional<WindowDc> ownDc;
    if (!dc)
        dc = ownDc.emplace(hwnd).get();
    // The surface holds the face as it shows: a mirrored context takes it as it is.
    std::optional<LayoutGuard> preserved;
    if (const DWORD layout = GetLayout(dc); layout != GDI_ERROR && (layout & LAYOUT_RTL))
        preserved.emplace(dc, layout | LAYOUT_BITMAPORIENTATIONPRESERVED);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0};
    GdiAlphaBlend(dc, 0, 0, bounds.width, bounds.height, stateSurface(hwnd, n), 0, 0, bounds.width, bounds.height, blend);
    return 0;
}

std::wstring getWindowCaption(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

int drawTextInBox(HDC dc, const std::wstring& text, int x, int y, int width, int height, UINT flags) noexcept
{
    RECT box{x, y, x + width, y + height};
    return DrawTextW(dc, text.c_str(), -1, &box, flags);
}

int drawFocusBox(HDC dc, int x, int y, int width, int height) noexcept
{
    const RECT box{x, y, x + width, y + height};
    return DrawFocusRect(dc, &box);
}

} // namespace skin
