// The common progress bar ("msctls_progress32") in the form runtime's
// progress look: white, filled in the progress colour from the left (from
// the bottom when vertical), smooth or in blocks; an error or a pause turns
// the fill red or amber. Its static edge is flattened with the other frames.
#pragma once

#include <windows.h>

namespace skin {

// The look at a DPI given (paintCommonProgress draws at the window's own).
void paintCommonProgressAtDpi(HWND hwnd, HDC dc, int dpi) noexcept;
// One step of a marquee bar's block (PBS_MARQUEE), kept in the MARQUEE
// property; the bar's own timer calls for it, and the bar repaints itself.
void advanceMarquee(HWND hwnd) noexcept;

} // namespace skin
