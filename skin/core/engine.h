// Start-up, attach and detach: the engine's entry points.
#pragma once

#include <windows.h>

namespace skin {

// Prepares the engine on its first call (or the first after a full
// teardown), then attaches the window and everything below it.
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
