// Every figure of the benchmark, measured in one run.
#pragma once

#include "bench/timing.h"

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Row {
    std::string figure;
    std::string unit;       // "µs", "ns", "ms" or "%"
    Summary measured;       // nanoseconds, or a percentage for "%"
    std::optional<Summary> baseline;
    std::string baselineIs; // what the baseline measures
};

struct Results {
    std::vector<Row> figures; // skinned against unskinned
    std::vector<Row> parts;   // the pieces the far-from-baseline figures are made of
};

// Builds the windows, measures everything and tears the windows down again.
// `startupRuns` child processes of each kind for the start-up figure.
Results measureAll(int startupRuns);

} // namespace bench
