#include "bench/timing.h"

#include <algorithm>
#include <cmath>

namespace bench {

namespace {

double frequency() noexcept
{
    static const double perSecond = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return perSecond;
}

double percentile(const std::vector<double>& sorted, double p) noexcept
{
    if (sorted.empty())
        return 0;
    const double at = p * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<size_t>(std::floor(at));
    const size_t above = std::min(below + 1, sorted.size() - 1);
    const double part = at - static_cast<double>(below);
    return sorted[below] * (1 - part) + sorted[above] * part;
}

// How many runs of the body fill one sample; the first run also warms caches
// and lazily made objects, and is not counted.
int repeatsFor(const Body& body, double sampleNs)
{
    const long long start = ticks();
    body();
    const double once = std::max(ticksToNs(ticks() - start), 1.0);
    return static_cast<int>(std::clamp(sampleNs / once, 1.0, 1e6));
}

double runSample(const Body& body, int repeats)
{
    const long long start = ticks();
    for (int i = 0; i < repeats; ++i)
        body();
    return ticksToNs(ticks() - start) / repeats;
}

} // namespace

long long ticks() noexcept
{
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double ticksToNs(long long count) noexcept
{
    return static_cast<double>(count) * 1e9 / frequency();
}

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {percentile(values, 0.5), percentile(values, 0.1), percentile(values, 0.9)};
}

Summary sample(const Body& body, const SampleOptions& options)
{
    const int repeats = repeatsFor(body, options.sampleNs);
    if (options.between)
        options.between();
    std::vector<double> values;
    for (int s = 0; s < options.samples; ++s) {
        values.push_back(runSample(body, repeats));
        if (options.between)
            options.between();
    }
    return summarise(std::move(values));
}

Pair samplePair(const Body& measured, const Body& baseline, const SampleOptions& options)
{
    const int measuredRepeats = repeatsFor(measured, options.sampleNs);
    if (options.between)
        options.between();
    const int baselineRepeats = repeatsFor(baseline, options.sampleNs);
    if (options.between)
        options.between();
    std::vector<double> a;
    std::vector<double> b;
    for (int s = 0; s < options.samples; ++s) {
        a.push_back(runSample(measured, measuredRepeats));
        if (options.between)
            options.between();
        b.push_back(runSample(baseline, baselineRepeats));
        if (options.between)
            options.between();
    }
    return {summarise(std::move(a)), summarise(std::move(b))};
}

void pumpMessages() noexcept
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace bench
