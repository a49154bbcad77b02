// High contrast: while the system's high-contrast mode is on, the engine
// leaves every window to the system, as the system's own visual styles do,
// and skins them again when the mode ends. Each user-interface thread's
// engine listens with a hidden window of its own and skins again only its
// own windows.
#pragma once

#include <windows.h>

namespace skin {

// Whether high contrast is on (SPI_GETHIGHCONTRAST, HCF_HIGHCONTRASTON).
bool highContrastOn() noexcept;

// The question highContrastOn asks, for every thread; null restores the
// system's own answer.
// Lets a test switch the mode where the system cannot (Wine's
// SPI_SETHIGHCONTRAST fails).
using HighContrastQuery = bool (*)() noexcept;
void setHighContrastQuery(HighContrastQuery query) noexcept;

// Called by startSkinEngine before it attaches: starts listening for setting
// changes and, while high contrast is on, remembers the window to skin later
// and returns true (the caller then attaches nothing).
bool leaveToSystemWhileHighContrast(HWND hwnd) noexcept;
// Called by stopSkinEngine: the window is no longer one to skin again.
void forgetLeftWindow(HWND hwnd) noexcept;
// Called when the last attached window was detached: stops listening unless
// windows are waiting for high contrast to end.
void noWindowAttached() noexcept;

} // namespace skin
