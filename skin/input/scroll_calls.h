// A program's own calls that change a skinned window's scroll bars.
//
// SetScrollInfo, SetScrollPos and SetScrollRange with redraw, and
// EnableScrollBar, draw the system's bar at once, outside any message the
// skin sees. While any thread's skin runs, the process's modules call them
// through the skin's stand-ins instead (their import table entries point
// there): for a window the calling thread has skinned, the system changes
// the information without drawing, then the skin draws the bar; every other
// window gets the system's call unchanged.
#pragma once

namespace skin {

// Points the import entries of every module loaded now at the stand-ins;
// each call holds them for the calling thread until it lets them go.
void interceptScrollCalls() noexcept;
// Once no thread holds them, every entry is given back its system function.
void releaseScrollCalls() noexcept;

} // namespace skin
