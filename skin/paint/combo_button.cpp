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
    const int width = GetSystemMetrics(SM_CXVSCROLL) + 1;
    const int height = bounds.height - 2;
    Surface surface = createMemorySurface(width, height);

    switch (state) {
    case VisualState::hot:
        drawImagePart(surface.dc(), 0, 0, width, height, comboButtonImage(),
                      kHotFaceX, 0, kFaceWidth, kFaceHeight, 2, 1, 1, 1);
        break;
    case VisualState::pressed:
        drawImagePart(surface.dc(), 0, 0, width, height, comboButtonImage(),
                      kPressedFaceX, 0, kFaceWidth, kFaceHeight, 2, 1, 1, 1);
        break;
    default:
        fillSolidRect(surface.dc(), 0, 0, width, height, kWhite);
        break;
    }
    const int arrowY = IsWindowEnabled(hwnd) ? kEnabledArrowY : kDisabledArrowY;
    drawTransparent(surface.dc(), roundHalfEven((width - kArrowWidth) / 2.0),
                    roundHalfEven((bounds.height - 6) / 2.0), kArrowWidth, kArrowHeight,
                    comboButtonImage(), kArrowX, arrowY, kKeyColour);

    // The button sits inside the one-pixel frame at the right edge.
    std::optional<WindowDc> own;
    if (!dc) {
        own.emplace(hwnd);
        dc = own->get();
    }
    BitBlt(dc, bounds.width - width - 1, 1, width, height, surface.dc(), 0, 0, SRCCOPY);
}

} // namespace skin
