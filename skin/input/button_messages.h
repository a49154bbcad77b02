// Messages a standard "Button" takes from its dialog and its program: the
// dialog manager's questions and default-button moves, new content for a
// push button's faces, and check states set from outside.
#pragma once

#include <windows.h>

namespace skin {

// A push button the skin made owner-draw answers as its own type would:
// DLGC_BUTTON with DLGC_DEFPUSHBUTTON or DLGC_UNDEFPUSHBUTTON.
LRESULT onGetDlgCode(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// The dialog manager moving the default between push buttons: the type goes
// into the saved style, and the button stays owner-draw. A type of another
// kind (a check box made a push button, say) skins the button anew.
LRESULT onSetButtonStyle(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// Caption, font, image or elevation shield changed: the faces are drawn anew.
LRESULT onButtonContent(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
// The control redrew its own glyph outside a paint: the skin's goes back on.
LRESULT onCheckRedrawn(WNDPROC savedProc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace skin
