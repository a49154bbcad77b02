// A push button's four state surfaces and its rounded window region. The
// four faces are one bitmap a button, the four drawn one below the other and
// kept in "FACES"; the thread has one memory context that holds a button's
// bitmap while a face is drawn or read. A program with thousands of skinned
// buttons so stays far below the system's limit of GDI objects a process.
#pragma once

#include <windows.h>

namespace skin {

// Makes the faces' bitmap, with four faces as large as the window, and draws
// the faces into it.
void createButtonSurfaces(HWND hwnd) noexcept;
// Gives the faces a new bitmap of the window's current size and redraws.
void resizeButtonSurfaces(HWND hwnd) noexcept;
// Deletes the faces' bitmap and removes its property.
void releaseButtonSurfaces(HWND hwnd) noexcept;
// Surface n (a VisualState) of the button, 0 if it has none: the thread's
// face context, holding the button's faces with face n at its origin. It
// stays so until the next call, for this button or another.
HDC stateSurface(HWND hwnd, int n) noexcept;
// Deletes the thread's face context; the last window given back does.
void releaseFaceContext() noexcept;
// Clips the window to a rectangle with 3 x 3 rounded corners; with `redraw`
// the system repaints what the corners uncover. Without it the region costs
// far less where a window has many siblings (the system otherwise works out
// its parent's area anew), for a caller that repaints the parent itself.
void setRoundedRegion(HWND hwnd, bool redraw = true) noexcept;

} // namespace skin
