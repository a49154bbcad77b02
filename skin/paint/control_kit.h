// What the painters of the common controls share with the scroll bars: the
// push button's face at any size, the combo button's arrow turned four ways,
// the pointer as a control sees it, and an off-screen copy of the client area
// that reaches the screen in one copy.
#pragma once

#include "skin/core/properties.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"

#include <windows.h>
#include <commctrl.h>

namespace skin {

inline constexpr COLORREF kArrowFrameColour = 0x00D1A04E;
inline constexpr COLORREF kCaptionColour = 0x00000000;

enum class Direction { up, down, left, right };

// The combo box's downward arrow turned to `direction`, centred in `box`,
// copied pixel by pixel so the glyph stays exactly the skin's at every DPI.
void drawArrowGlyph(HDC dc, const RECT& box, Direction direction, bool enabled, int dpi) noexcept;
// An arrow button: the glyph alone when normal or disabled, on the combo
// button's face in a frame when hot or pressed.
void drawArrowButton(HDC dc, const RECT& box, Direction direction, VisualState state, int dpi) noexcept;
// The push button's face of `state` over `box`, nine-sliced as a push
// button's own.
void drawButtonTile(HDC dc, const RECT& box, VisualState state, int dpi) noexcept;

// The caption colour of enabled or disabled text.
inline COLORREF captionColour(bool enabled) noexcept
{
    return enabled ? kCaptionColour : kDisabledCaptionColour;
}

// Where the pointer is in the window's client coordinates; false when it is
// over another window.
bool pointerOver(HWND hwnd, POINT& client) noexcept;
// True while the window holds the capture with the left button down: the
// part under the pointer shows pressed.
bool heldDown(HWND hwnd) noexcept;
// The brush the parent gives the control's background (WM_CTLCOLORSTATIC),
// as the system's controls ask for it, or the dialog face colour's.
HBRUSH parentBackground(HWND hwnd, HDC dc) noexcept;

// The client area drawn off-screen in the window's layout, with its font
// selected, then copied onto the target in one go when the scope ends. The
// areas of visible child windows are left out of the copy: they paint
// themselves. Without a surface the drawing goes straight to the target.
class ClientCanvas {
public:
    ClientCanvas(HWND hwnd, HDC target) noexcept;
    ~ClientCanvas();
    ClientCanvas(const ClientCanvas&) = delete;
    ClientCanvas& operator=(const ClientCanvas&) = delete;

    HDC dc() const noexcept { return m_surface ? m_surface.dc() : m_target; }
    RECT client() const noexcept { return m_client; }
    int dpi() const noexcept { return m_dpi; }

private:
    HWND m_hwnd;
    HDC m_target;
    RECT m_client{};
    int m_dpi;
    Surface m_surface;
    HGDIOBJ m_oldFont = nullptr;
};

// The control's own paint, run onto the skin's surface before the skin
// covers every pixel of it: the control catches up on what it leaves until
// it paints, and its parent gets the custom-draw notifications it always had.
void runOwnPaint(HWND hwnd, HDC dc) noexcept;

// The image-list functions of the library whose procedure the control's
// class has: its lists are that copy's (the skin links no common controls
// library, and a list of one version means nothing to another's functions).
// All three are null when any is missing.
struct ImageListCalls {
    BOOL(WINAPI* draw)(HIMAGELIST, int, HDC, int, int, UINT) = nullptr;
    BOOL(WINAPI* size)(HIMAGELIST, int*, int*) = nullptr;
    int(WINAPI* count)(HIMAGELIST) = nullptr;
    explicit operator bool() const noexcept { return draw && size && count; }
};
ImageListCalls imageListCalls(HWND hwnd) noexcept;

} // namespace skin
