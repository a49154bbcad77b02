// Starting and stopping the engine: the router lends core its procedure and
// the face painter, then attaches. The public header forwards here.
#pragma once

#include <windows.h>

namespace skin {

// Prepares the engine on its first call (or the first after a full
// teardown), then attaches the window and everything below it, whatever the
// window's class.
int startSkinEngine(HWND hwnd) noexcept;
// Detaches the window and everything below it.
int stopSkinEngine(HWND hwnd) noexcept;

} // namespace skin
