// Start-up, attach and detach: the engine's entry points.
#pragma once

#include <windows.h>

namespace skin {

// What the layers above core lend it. Core keeps each window's state and
// never names the code above it: the router hands in, before the first
// attach, the procedure every attached window runs and the painter that
// draws a push button's faces.
struct UpperLayers {
    WNDPROC windowProc = nullptr;
    void (*drawButtonFaces)(HWND hwnd) noexcept = nullptr;
};

// What startSkinEngine returns while the system's high-contrast mode is on:
// nothing was attached, and the window is skinned when the mode ends.
inline constexpr int kLeftToSystem = -1;

// Keeps the layers above for every later attach on this thread; the router
// lends them on every start, before it asks whether high contrast leaves the
// window alone.
void lendUpperLayers(const UpperLayers& layers) noexcept;
const UpperLayers& upperLayers() noexcept;
// Prepares this thread's engine on the first call (or the first after a full
// teardown): its images are its own, as is everything else it holds.
void prepareEngine() noexcept;

// A host program's own window counts as a container whatever its class:
// attaching it attaches every window below it, and detaching it gives them
// back. 1 if this call attached (detached) the window itself.
int attachHostWindow(HWND hwnd) noexcept;
int detachHostWindow(HWND hwnd) noexcept;

// 1 if this call attached the window; 0 for a null, foreign or attached one.
int attachWindow(HWND hwnd) noexcept;
// 1 if this call detached the window; 0 if it was not attached or belongs to
// another thread.
int detachWindow(HWND hwnd) noexcept;
// Detach on WM_DESTROY: the window is hidden already and takes its region and
// everything below it along, so nothing is repainted or reshaped.
int detachDestroyedWindow(HWND hwnd) noexcept;
BOOL CALLBACK attachChildCallback(HWND hwnd, LPARAM lParam) noexcept;
BOOL CALLBACK detachChildCallback(HWND hwnd, LPARAM lParam) noexcept;

// Each thread attaches, paints and detaches its own windows only.
inline bool belongsToThisThread(HWND hwnd) noexcept
{
    return GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId();
}

// True if the named, loaded or loadable library exports the named function.
bool probeExport(const char* functionName, const wchar_t* libraryName) noexcept;

// The state of this thread's engine, read by the handlers and the tests.
bool skinInitialised() noexcept;
bool trackMouseEventAvailable() noexcept;
int attachedWindowCount() noexcept;

} // namespace skin
