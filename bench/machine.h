// The machine a run came from, for the table's heading.
#pragma once

#include <string>

namespace bench {

// CPU model, logical processors, memory, Wine and host versions when the
// program runs under Wine, and the display's colour depth.
std::string describeMachine();

} // namespace bench
