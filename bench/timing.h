// Clocks and samples: every figure is many samples of a repeated body, and
// is reported as the median with the 10th and 90th percentiles.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace bench {

long long ticks() noexcept;                 // QueryPerformanceCounter
double ticksToNs(long long ticks) noexcept; // through QueryPerformanceFrequency

struct Summary {
    double median = 0; // all in nanoseconds unless a row says otherwise
    double low = 0;    // 10th percentile
    double high = 0;   // 90th percentile
};

Summary summarise(std::vector<double> values);

using Body = std::function<void()>;

struct SampleOptions {
    int samples = 25;
    double sampleNs = 8e6;  // each sample repeats the body for about this long
    Body between;           // untimed, after every sample (a message pump, a reset)
};

// Nanoseconds per run of the body.
Summary sample(const Body& body, const SampleOptions& options = {});

struct Pair {
    Summary measured;
    Summary baseline;
    double ratio() const noexcept { return baseline.median > 0 ? measured.median / baseline.median : 0; }
};

// Both bodies sampled in alternation, so drift of the machine touches both.
Pair samplePair(const Body& measured, const Body& baseline, const SampleOptions& options = {});

// Handles every queued message of the thread, painting included.
void pumpMessages() noexcept;

} // namespace bench
