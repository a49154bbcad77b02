#include "skin/paint/button_face_content.h"

#include "skin/core/properties.h"
#include "skin/images/dpi.h"
#include "skin/images/gdi.h"
#include "skin/paint/button_face.h"

#include <commctrl.h>

#include <algorithm>

namespace skin {

namespace {

constexpr int kImageGap = 4; // between an image and the caption beside it

SIZE bitmapSize(HBITMAP bitmap) noexcept
{
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info))
        return {};
    return {info.bmWidth, info.bmHeight};
}

SIZE iconSize(HICON icon) noexcept
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return {};
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    if (colour)
        return bitmapSize(colour.get());
    const SIZE both = bitmapSize(mask.get()); // a monochrome icon stacks its two masks
    return {both.cx, both.cy / 2};
}

// The stock shield at the small-icon size of `dpi`. The scaled-down copy is
// the caller's to destroy; the shared icon, where comctl32 cannot scale, is not.
HICON loadShield(int dpi, bool& owned) noexcept
{
    using LoadScaled = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    const int size = systemMetricAt(SM_CXSMICON, dpi);
    HICON icon = nullptr;
    if (HMODULE controls = GetModuleHandleW(L"comctl32.dll"))
        if (auto load = reinterpret_cast<LoadScaled>(
                reinterpret_cast<void*>(GetProcAddress(controls, "LoadIconWithScaleDown"))))
            if (SUCCEEDED(load(nullptr, IDI_SHIELD, size, size, &icon)) && icon) {
                owned = true;
                return icon;
            }
    owned = false;
    return LoadIconW(nullptr, IDI_SHIELD);
}

int alignedStart(LONG_PTR style, int from, int room, int length) noexcept
{
    switch (style & BS_CENTER) {
    case BS_LEFT: return from;
    case BS_RIGHT: return from + room - length;
    default: return from + (room - length) / 2;
    }
}

int alignedTop(LONG_PTR style, int from, int room, int length) noexcept
{
    switch (style & BS_VCENTER) {
    case BS_TOP: return from;
    case BS_BOTTOM: return from + room - length;
    default: return from + (room - length) / 2;
    }
}

UINT horizontalFormat(LONG_PTR style) noexcept
{
    switch (style & BS_CENTER) {
    case BS_LEFT: return DT_LEFT;
    case BS_RIGHT: return DT_RIGHT;
    default: return DT_CENTER;
    }
}

UINT verticalFormat(LONG_PTR style) noexcept
{
    switch (style & BS_VCENTER) {
    case BS_TOP: return DT_TOP;
    case BS_BOTTOM: return DT_BOTTOM;
    default: return DT_VCENTER;
    }
}

// The caption in `box`: one line with an ellipsis, or wrapped with
// BS_MULTILINE, the wrapped block placed as the style says.
void drawCaption(HDC dc, const std::wstring& caption, LONG_PTR style, RECT box, UINT horizontal) noexcept
{
    if (!(style & BS_MULTILINE)) {
        DrawTextW(dc, caption.c_str(), -1, &box, horizontal | verticalFormat(style) | DT_SINGLELINE | DT_END_ELLIPSIS);
        return;
    }
    RECT measured = box;
    DrawTextW(dc, caption.c_str(), -1, &measured, horizontal | DT_WORDBREAK | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    box.top = alignedTop(style, box.top, box.bottom - box.top, height);
    box.bottom = box.top + height;
    DrawTextW(dc, caption.c_str(), -1, &box, horizontal | DT_WORDBREAK);
}

} // namespace

FaceContent::FaceContent(HWND hwnd, int dpi)
    : m_caption(getWindowCaption(hwnd)), m_style(GetWindowLongPtrW(hwnd, GWL_STYLE)), m_gap(scaleToDpi(kImageGap, dpi))
{
    // Attach draws the first faces before it makes the button owner-draw;
    // after that its own style is the one attach saved, and only then can it
    // have been given a shield.
    const bool ownerDrawn = (m_style & BS_TYPEMASK) == BS_OWNERDRAW;
    if (ownerDrawn)
        m_style = getProp(hwnd, prop::kOldStyle);
    if (ownerDrawn && getProp(hwnd, prop::kShield)) {
        m_shield = loadShield(dpi, m_ownsShield);
        m_image = m_shield;
        m_imageIsIcon = true;
        const int size = systemMetricAt(SM_CXSMICON, dpi);
        m_imageSize = {size, size};
        return;
    }
    // The button keeps the last image it was given, whichever type is asked
    // for. A skinned one is asked through its own procedure: through the
    // skin's, each question would cost a property look-up.
    const WNDPROC own = ownerDrawn ? savedProcOf(hwnd) : nullptr;
    const auto image = [&](WPARAM type) {
        return reinterpret_cast<HANDLE>(own ? CallWindowProcW(own, hwnd, BM_GETIMAGE, type, 0)
                                            : SendMessageW(hwnd, BM_GETIMAGE, type, 0));
    };
    m_image = image(IMAGE_BITMAP);
    if (!m_image)
        m_image = image(IMAGE_ICON);
    if (!m_image)
        return;
    m_imageIsIcon = GetObjectType(m_image) != OBJ_BITMAP;
    m_imageSize = m_imageIsIcon ? iconSize(static_cast<HICON>(m_image)) : bitmapSize(static_cast<HBITMAP>(m_image));
}

FaceContent::~FaceContent()
{
    if (m_ownsShield)
        DestroyIcon(m_shield);
}

void FaceContent::drawImage(HDC dc, int x, int y) const noexcept
{
    if (m_imageIsIcon) {
        DrawIconEx(dc, x, y, static_cast<HICON>(m_image), m_imageSize.cx, m_imageSize.cy, 0, nullptr, DI_NORMAL);
        return;
    }
    UniqueDc source(CreateCompatibleDC(dc));
    SelectGuard bitmapGuard(source.get(), m_image);
    BitBlt(dc, x, y, m_imageSize.cx, m_imageSize.cy, source.get(), 0, 0, SRCCOPY);
}

void FaceContent::draw(HDC dc, const RECT& box) const noexcept
{
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const bool hasImage = m_image && m_imageSize.cx > 0;
    // BS_ICON and BS_BITMAP show the image alone; so does a button without a caption.
    const bool imageAlone = hasImage && (m_caption.empty() || (!m_shield && (m_style & (BS_ICON | BS_BITMAP))));
    if (!hasImage) {
        drawCaption(dc, m_caption, m_style, box, horizontalFormat(m_style));
        return;
    }
    const int imageTop = alignedTop(m_style, box.top, height, m_imageSize.cy);
    if (imageAlone) {
        drawImage(dc, alignedStart(m_style, box.left, width, m_imageSize.cx), imageTop);
        return;
    }
    // Image and caption side by side, placed together as one block.
    RECT measured = box;
    DrawTextW(dc, m_caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    const int room = width - m_imageSize.cx - m_gap;
    const int textWidth = std::min(static_cast<int>(measured.right - measured.left), std::max(room, 0));
    const int left = std::max(alignedStart(m_style, box.left, width, m_imageSize.cx + m_gap + textWidth), static_cast<int>(box.left));
    drawImage(dc, left, imageTop);
    const RECT text{left + m_imageSize.cx + m_gap, box.top, left + m_imageSize.cx + m_gap + textWidth, box.bottom};
    drawCaption(dc, m_caption, m_style, text, DT_LEFT);
}

} // namespace skin
