#include "skin/paint/combo_button.h"

#include "skin/images/gdi.h"
#include "skin/images/rect.h"
#include "skin/images/skin_images.h"
#include "skin/images/surface.h"
#include "skin/images/transparent.h"
#include "skin/paint/rounding.h"

#include <optional>

namespace skin {

namespace {

// Where the faces and arrows lie in the combo button image.
constexpr int kHotFaceX = 0;
constexpr int kPressedFaceX = 4;
constexpr int kFaceWidth = 4;
constexpr int kFaceHeight = 18;
constexpr int kArrowX = 8;
constexpr int kArrowWidth = 7;
constexpr int kArrowHeight = 4;
constexpr int kEnabledArrowY = 0;
constexpr int kDisabledArrowY = 4;

} // namespace

void paintComboButton(HWND hwnd, HDC dc, VisualState& state, bool force) noexcept
{
    paintComboButtonAtDpi(hwnd, dc, state, force, windowDpi(hwnd));
}

void paintComboButtonAtDpi(HWND hwnd, HDC dc, VisualState& state, bool force, int dpi) noexcept
{
    // While the list is down the button shows pressed, whatever was asked,
    // and the caller learns it.
    if (SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0)
        state = VisualState::pressed;
    if (state == getState(hwnd) && !force)
        return;
    // A simple combo box has no drop-down button to draw.
    if ((GetWindowLongPtrW(hwnd, GWL_STYLE) & CBS_DROPDOWN) == 0)
        return;
    setState(hwnd, state);

    WindowBounds bounds;
    getWindowBounds(hwnd, bounds);
    // As wide as the system's scroll bar arrow at this DPI, plus one pixel.
    const int width = systemMetricAt(SM_CXVSCROLL, dpi) + 1;
    const int height = bounds.height - 2;
    Surface surface = createMemorySurface(width, height);
    HDC image = comboButtonImageAt(dpi);
    const int lead = scaleToDpi(2, dpi);
    const int edge = scaleToDpi(1, dpi);

    if (state == VisualState::hot || state == VisualState::pressed) {
        const ImagePart face = scalePart(state == VisualState::hot ? kHotFaceX : kPressedFaceX, 0, kFaceWidth,
                                         kFaceHeight, dpi);
        drawImagePart(surface.dc(), 0, 0, width, height, image, face.x, face.y, face.width, face.height,
                      lead, edge, edge, edge);
    } else {
        fillSolidRect(surface.dc(), 0, 0, width, height, kWhite);
    }
    // The arrow sits centred in the button, which starts one pixel down.
    const ImagePart arrow = scalePart(kArrowX, IsWindowEnabled(hwnd) ? kEnabledArrowY : kDisabledArrowY,
                                      kArrowWidth, kArrowHeight, dpi);
    drawTransparent(surface.dc(), roundHalfEven((width - arrow.width) / 2.0),
                    roundHalfEven((height - arrow.height) / 2.0), arrow.width, arrow.height,
                    image, arrow.x, arrow.y, kKeyColour);

    // The button sits inside the one-pixel frame at the right edge.
    std::optional<WindowDc> own;
    if (!dc) {
        own.emplace(hwnd);
        dc = own->get();
    }
    BitBlt(dc, bounds.width - width - 1, 1, width, height, surface.dc(), 0, 0, SRCCOPY);
}

} // namespace skin
