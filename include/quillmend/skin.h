// Quillmend skin: draws a Win32 window and the controls below it from the
// skin's own images.
//
// Threads: call every function on the thread that owns the window; the
// engine runs entirely on that thread and keeps no locks.
//
// Lifetime: startSkinEngine subclasses `window` and every window below it,
// whatever the class of `window`, and keeps its state on each window as
// window properties. Dialog boxes, message boxes and drop-down lists that
// appear later over a skinned window are skinned as they show up, and given
// back when they are destroyed. A window created later anywhere else (a
// control added to a skinned window, a second top-level window) is skinned
// by calling startSkinEngine on it. stopSkinEngine gives `window` and every
// window below it back as they were; destroying a skinned window gives it
// back too. The engine's images and scratch surfaces are released when the
// last skinned window is given back.
//
// High contrast: while the system's high-contrast mode is on, the engine
// leaves every window to the system. startSkinEngine then skins nothing and
// returns -1; the mode turning on gives every skinned window back, and its
// turning off skins them again.
#pragma once

#include <windows.h>

namespace quillmend::skin {

// Returns 1 if `window` was skinned by this call, 0 if it was null, already
// skinned or owned by another thread, and -1 while high contrast is on (the
// window is skinned when the mode ends).
int startSkinEngine(HWND window) noexcept;

// Returns 1 if `window` was given back by this call, 0 if it was not skinned.
int stopSkinEngine(HWND window) noexcept;

} // namespace quillmend::skin
