#include "skin/paint/common_controls.h"

namespace skin {

void paintCommonControl(ControlKind kind, HWND hwnd, HDC dc) noexcept
{
    switch (kind) {
    case ControlKind::groupBox:       paintGroupBox(hwnd, dc); break;
    case ControlKind::tabControl:     paintTabControl(hwnd, dc); break;
    case ControlKind::spinButton:     paintSpinButton(hwnd, dc); break;
    case ControlKind::slider:         paintSlider(hwnd, dc); break;
    case ControlKind::commonProgress: paintCommonProgress(hwnd, dc); break;
    case ControlKind::statusBar:      paintStatusBar(hwnd, dc); break;
    case ControlKind::toolbar:        paintToolbar(hwnd, dc); break;
    default:                          break;
    }
}

int commonPartAt(ControlKind kind, HWND hwnd, POINT point) noexcept
{
    switch (kind) {
    case ControlKind::tabControl: return tabPartAt(hwnd, point);
    case ControlKind::spinButton: return spinPartAt(hwnd, point);
    case ControlKind::slider:     return sliderPartAt(hwnd, point);
    case ControlKind::toolbar:    return toolbarPartAt(hwnd, point);
    default:                      return -1;
    }
}

} // namespace skin
