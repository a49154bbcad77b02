#include "skin/paint/control_kit.h"

#include "skin/images/dpi.h"
#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/paint/rounding.h"

namespace skin {

namespace {

// Where the arrow glyph and the button faces lie in the combo button image,
// and the tiles of the push-button face image.
constexpr int kArrowX = 8;
constexpr int kArrowWidth = 7;
constexpr int kArrowHeight = 4;
constexpr int kDisabledArrowY = 4;
constexpr int kHotFaceX = 0;
constexpr int kPressedFaceX = 4;
constexpr int kFaceWidth = 4;
constexpr int kFaceHeight = 18;
constexpr int kTileWidth = 7;
constexpr int kTileHeight = 21;
constexpr int kTileMargin = 3;

} // namespace

void drawArrowGlyph(HDC dc, const RECT& box, Direction direction, bool enabled, int dpi) noexcept
{
    HDC image = comboButtonImageAt(dpi);
    if (!image)
        return;
    const ImagePart part = scalePart(kArrowX, enabled ? 0 : kDisabledArrowY, kArrowWidth, kArrowHeight, dpi);
    const bool across = direction == Direction::left || direction == Direction::right;
    const int w = across ? part.height : part.width;
    const int h = across ? part.width : part.height;
    const int x0 = box.left + roundHalfEven((box.right - box.left - w) / 2.0);
    const int y0 = box.top + roundHalfEven((box.bottom - box.top - h) / 2.0);
    for (int r = 0; r < part.height; ++r)
        for (int c = 0; c < part.width; ++c) {
            const COLORREF colour = GetPixel(image, part.x + c, part.y + r);
            if (colour == kKeyColour || colour == CLR_INVALID)
                continue;
            POINT at{c, r};
            switch (direction) {
            case Direction::down: break;
            case Direction::up: at = {c, part.height - 1 - r}; break;
            case Direction::right: at = {r, c}; break;
            case Direction::left: at = {part.height - 1 - r, c}; break;
            }
            SetPixelV(dc, x0 + at.x, y0 + at.y, colour);
        }
}

void drawArrowButton(HDC dc, const RECT& box, Direction direction, VisualState state, int dpi) noexcept
{
    if (state == VisualState::hot || state == VisualState::pressed) {
        const ImagePart face = scalePart(state == VisualState::hot ? kHotFaceX : kPressedFaceX, 0, kFaceWidth,
                                         kFaceHeight, dpi);
        const int lead = scaleToDpi(2, dpi);
        const int edge = scaleToDpi(1, dpi);
        drawImagePart(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, comboButtonImageAt(dpi),
                      face.x, face.y, face.width, face.height, lead, edge, edge, edge);
        frameSolidRect(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, kArrowFrameColour);
    }
    drawArrowGlyph(dc, box, direction, state != VisualState::disabled, dpi);
}

void drawButtonTile(HDC dc, const RECT& box, VisualState state, int dpi) noexcept
{
    const ImagePart tile = scalePart(0, kTileHeight * static_cast<int>(state), kTileWidth, kTileHeight, dpi);
    const int margin = scaleToDpi(kTileMargin, dpi);
    drawImagePart(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, buttonFaceImageAt(dpi), tile.x,
                  tile.y, tile.width, tile.height, margin, margin, margin, margin);
}

bool pointerOver(HWND hwnd, POINT& client) noexcept
{
    GetCursorPos(&client);
    if (WindowFromPoint(client) != hwnd)
        return false;
    return ScreenToClient(hwnd, &client) != FALSE;
}

bool heldDown(HWND hwnd) noexcept
{
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return GetCapture() == hwnd && (GetAsyncKeyState(button) & 0x8000) != 0;
}

HBRUSH parentBackground(HWND hwnd, HDC dc) noexcept
{
    HWND parent = GetParent(hwnd);
    const auto brush = parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORSTATIC,
                                                                      reinterpret_cast<WPARAM>(dc),
                                                                      reinterpret_cast<LPARAM>(hwnd)))
                              : nullptr;
    return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

ClientCanvas::ClientCanvas(HWND hwnd, HDC target) noexcept
    : m_hwnd(hwnd), m_target(target), m_dpi(windowDpi(hwnd))
{
    GetClientRect(hwnd, &m_client);
    m_surface = createMemorySurface(m_client.right, m_client.bottom);
    HDC dc = this->dc();
    if (m_surface)
        SetLayout(dc, windowLayout(hwnd));
    // The font belongs to the control: it is selected out again at the end.
    if (const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)))
        m_oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
}

ClientCanvas::~ClientCanvas()
{
    if (m_oldFont)
        SelectObject(dc(), m_oldFont);
    if (!m_surface)
        return;
    const SavedDc saved(m_target);
    for (HWND child = GetWindow(m_hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT area{};
        GetWindowRect(child, &area);
        MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&area), 2);
        ExcludeClipRect(m_target, area.left, area.top, area.right, area.bottom);
    }
    // The surface holds the picture as it shows: a mirrored target takes it as
    // it is, and the surface is read as it is (a mirrored source is read mirrored).
    if (const DWORD layout = GetLayout(m_target); layout != GDI_ERROR && (layout & LAYOUT_RTL))
        SetLayout(m_target, layout | LAYOUT_BITMAPORIENTATIONPRESERVED);
    SetLayout(m_surface.dc(), 0);
    BitBlt(m_target, 0, 0, m_client.right, m_client.bottom, m_surface.dc(), 0, 0, SRCCOPY);
}

namespace {

template <class Fn>
void lookUp(HMODULE module, const char* name, Fn& fn) noexcept
{
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

void runOwnPaint(HWND hwnd, HDC dc) noexcept
{
    if (const WNDPROC own = savedProcOf(hwnd))
        CallWindowProcW(own, hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

ImageListCalls imageListCalls(HWND hwnd) noexcept
{
    HMODULE module = nullptr;
    const auto proc = reinterpret_cast<LPCWSTR>(GetClassLongPtrW(hwnd, GCLP_WNDPROC));
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            proc, &module))
        module = GetModuleHandleW(L"comctl32.dll");
    ImageListCalls calls;
    if (module) {
        lookUp(module, "ImageList_Draw", calls.draw);
        lookUp(module, "ImageList_GetIconSize", calls.size);
        lookUp(module, "ImageList_GetImageCount", calls.count);
    }
    return calls ? calls : ImageListCalls{};
}

} // namespace skin
