// Quillmend skin: draws a Win32 window and the controls below it from the
// skin's own images.
//
// Threads: any thread that owns windows may skin them. Each thread that
// calls startSkinEngine gets an engine of its own (its own images, scratch
// surfaces, count of skinned windows, creation hook and high-contrast
// listener), made by its first start and released when its last skinned
// window is given back. Threads may start, draw and stop at the same time:
// they share nothing, so there are no locks. Call both functions on the
// thread that owns `window`; a thread never skins, paints or gives back
// another thread's windows, and asked to, it returns 0. Give a thread's
// skinned windows back, or destroy them, before the thread ends: what an
// engine holds when its thread ends stays allocated until the process ends.
//
// Lifetime: startSkinEngine subclasses `window` and every window below it,
// whatever the class of `window`, and keeps its state on each window as
// window properties. A child window that the same thread creates later below
// a skinned window is skinned as it is created, before it is first shown or
// painted: a thread-local WH_CBT hook, installed while the thread has skinned
// windows, sees it (the hook passes every event on first and refuses
// nothing). Dialog boxes, message boxes and drop-down lists that appear later
// over a skinned window are skinned as they show up. A second top-level
// window is skinned by calling startSkinEngine on it. stopSkinEngine gives
// `window` and every window below it back as they were; destroying a skinned
// window gives it back too.
//
// Subclassing: the skin is one link in each window's chain of procedures and
// takes itself out only from the top. A window that the host subclassed after
// the skin keeps the skin's procedure below the host's when it is given back:
// it passes every message on unchanged until the window is destroyed or the
// host takes its own procedure out again. Every procedure installed above the
// skin's sees WM_DESTROY and WM_NCDESTROY.
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

// Returns 1 if `window` was given back by this call, 0 if it was not skinned
// or is owned by another thread.
int stopSkinEngine(HWND window) noexcept;

} // namespace quillmend::skin
