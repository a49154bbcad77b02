// Start-up, attach and detach: the engine's entry points.
#pragma once

#include <windows.h>

namespace skin {

// What startSkinEngine returns while the system's high-contrast mode is on:
// nothing was attached, and the window is skinned when the mode ends.
inline constexpr int kLeftToSystem = -1;

// Prepares the engine on its first call (or the first after a full
// teardown), then attaches the window and everything below it. While high
// contrast is on it attaches nothing and returns kLeftToSystem; turning the
// mode on detaches every skinned window, turning it off skins them again.
int startSkinEngine(HWND hwnd) noexcept;
// Detaches the window and everything below it.
int stopSkinEngine(HWND hwnd) noexcept;

// 1 if this call attached the window; 0 for a null, foreign or attached one.
int attachWindow(HWND hwnd) noexcept;
// 1 if this call detached the window; 0 if it was not attached.
int detachWindow(HWND hwnd) noexcept;
BOOL CALLBACK attachChildCallback(HWND hwnd, LPARAM lParam) noexcept;
BOOL CALLBACK detachChildCallback(HWND hwnd, LPARAM lParam) noexcept;

// True if the named, loaded or loadable library exports the named function.
bool probeExport(const char* functionName, const wchar_t* libraryName) noexcept;

// Engine-wide state, read by the handlers and the tests.
bool skinInitialised() noexcept;
bool trackMouseEventAvailable() noexcept;
int attachedWindowCount() noexcept;

} // namespace skin
