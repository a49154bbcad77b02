// Process start to first paint: the benchmark starts itself as a child that
// builds Form1 (skinned or not) and reports when its first paints complete.
#pragma once

#include "bench/timing.h"

#include <string_view>

namespace bench {

inline constexpr std::wstring_view kFirstPaintSwitch = L"--first-paint";

struct StartupFigures {
    Pair formPainted;   // the form's own first WM_PAINT has returned
    Pair buttonPainted; // so has the first push button's
};

// Parent side: starts `runs` children of each kind, alternating.
StartupFigures measureStartup(int runs);

// Child side, for "--first-paint skinned|plain <ticks at CreateProcess>":
// prints the two times in nanoseconds on standard output.
int runFirstPaintChild(std::wstring_view variant, std::wstring_view startTicks);

} // namespace bench
