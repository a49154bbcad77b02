// Children a host creates under a skinned window after the start: a thread
// hook sees each window of this thread as it is created, and a child whose
// parent is skinned is skinned as soon as its own creation has run, before
// it is first shown or painted.
#pragma once

#include <windows.h>

namespace skin {

// Installs this thread's creation hook (once) and removes it again; the
// engine does so with its first attached window and its last detached one.
void watchChildCreation() noexcept;
void stopWatchingChildCreation() noexcept;

} // namespace skin
