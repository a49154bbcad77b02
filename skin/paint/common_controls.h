// The common controls the skin draws whole: group boxes, tab controls, spin
// buttons, sliders, progress bars, status bars and toolbars. Each painter
// draws the client area onto `dc` (client coordinates: BeginPaint's context
// or a print's) from what the control tells of its state through its own
// messages; the control's own procedure paints nothing of it.
#pragma once

#include "skin/core/kinds.h"

#include <windows.h>

namespace skin {

void paintCommonControl(ControlKind kind, HWND hwnd, HDC dc) noexcept;
// The part under `point` (client coordinates) whose look follows the
// pointer, such as an item, an arrow or a thumb, numbered by the kind; -1
// for none. The skin repaints the control whenever it changes.
int commonPartAt(ControlKind kind, HWND hwnd, POINT point) noexcept;

void paintGroupBox(HWND hwnd, HDC dc) noexcept;
void paintTabControl(HWND hwnd, HDC dc) noexcept;
int tabPartAt(HWND hwnd, POINT point) noexcept;
void paintSpinButton(HWND hwnd, HDC dc) noexcept;
int spinPartAt(HWND hwnd, POINT point) noexcept;
void paintSlider(HWND hwnd, HDC dc) noexcept;
int sliderPartAt(HWND hwnd, POINT point) noexcept;
void paintCommonProgress(HWND hwnd, HDC dc) noexcept;
void paintStatusBar(HWND hwnd, HDC dc) noexcept;
void paintToolbar(HWND hwnd, HDC dc) noexcept;
int toolbarPartAt(HWND hwnd, POINT point) noexcept;

} // namespace skin
