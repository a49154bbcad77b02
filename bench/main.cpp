// quillmend-bench.exe: measures what the skin costs, each figure beside an
// unskinned baseline measured in the same run, and prints a markdown table.
#include "bench/figures.h"
#include "bench/first_paint.h"
#include "bench/machine.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

double scaleOf(const std::string& unit) noexcept
{
    if (unit == "µs")
        return 1e3;
    if (unit == "ms")
        return 1e6;
    return 1; // ns, %
}

std::string number(double value)
{
    char text[32];
    const double magnitude = value < 0 ? -value : value;
    std::snprintf(text, sizeof(text), magnitude >= 100 ? "%.0f" : magnitude >= 10 ? "%.1f" : "%.2f", value);
    return text;
}

std::string cell(const bench::Summary& s, double scale)
{
    return number(s.median / scale) + " (" + number(s.low / scale) + "–" + number(s.high / scale) + ")";
}

void printRows(const std::vector<bench::Row>& rows, bool withBaseline)
{
    if (withBaseline) {
        std::printf("| Figure | Unit | Skinned | Unskinned baseline | Ratio | Baseline is |\n");
        std::printf("|---|---|---|---|---|---|\n");
    } else {
        std::printf("| Part | Unit | Time | Note |\n");
        std::printf("|---|---|---|---|\n");
    }
    for (const bench::Row& row : rows) {
        const double scale = scaleOf(row.unit);
        if (!withBaseline) {
            std::printf("| %s | %s | %s | %s |\n", row.figure.c_str(), row.unit.c_str(),
                        cell(row.measured, scale).c_str(), row.baselineIs.c_str());
            continue;
        }
        std::string baseline = "—";
        std::string ratio = "—";
        if (row.baseline) {
            baseline = cell(*row.baseline, scale);
            if (row.baseline->median > 0)
                ratio = number(row.measured.median / row.baseline->median) + "×";
        }
        std::printf("| %s | %s | %s | %s | %s | %s |\n", row.figure.c_str(), row.unit.c_str(),
                    cell(row.measured, scale).c_str(), baseline.c_str(), ratio.c_str(), row.baselineIs.c_str());
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 4 && std::wstring_view(argv[1]) == bench::kFirstPaintSwitch)
        return bench::runFirstPaintChild(argv[2], argv[3]);

    SetConsoleOutputCP(CP_UTF8);
    int startupRuns = 8;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::wstring_view(argv[i]) == L"--startup-runs")
            startupRuns = std::stoi(argv[i + 1]);

    std::printf("Machine: %s\n\n", bench::describeMachine().c_str());
    std::fflush(stdout);
    const bench::Results results = bench::measureAll(startupRuns);
    std::printf("Median (10th–90th percentile) of each figure; ratio of the medians.\n\n");
    printRows(results.figures, true);
    std::printf("\nWhere the time goes:\n\n");
    printRows(results.parts, false);
    return 0;
}
