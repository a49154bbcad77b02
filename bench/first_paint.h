// Process start to first paint: the benchmark starts itself as a child that
// builds Form1 (skinned or not) and reports when its first paints complete.
#pragma once

#include "bench/timing.h"

#include <string_view>

namespace bench {

inline constexpr std::wstring_view kFirstPaintSwitch = L"--first-paint";

// Skinned child against unskinned child, in nanoseconds.
struct StartupFigures {
    Pair painted; // process start until the form and its controls have painted once
    Pair entered; // process start until the program's own code runs
    Pair built;   // building the form, hidden
    Pair shown;   // show(): the load handler, then the first paint
};

// Parent side: starts `runs` children of each kind, alternating.
StartupFigures measureStartup(int runs);

// Child side, for "--first-paint skinned|plain <ticks at CreateProcess>":
// prints, in nanoseconds from that tick, when it started, when the form was
// built and when its first paint was done.
int runFirstPaintChild(std::wstring_view variant, std::wstring_view startTicks);

} // namespace bench
