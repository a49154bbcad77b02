// The colours of the five skin images, worked out from their colour tables
// before a single pixel is set.
#pragma once

#include <windows.h>

#include <array>
#include <initializer_list>

namespace skin {

template <int W, int H>
struct PixelGrid {
    static constexpr int kWidth = W;
    static constexpr int kHeight = H;
    std::array<COLORREF, W * H> pixels{};

    COLORREF& at(int x, int y) noexcept { return pixels[y * W + x]; }
    COLORREF at(int x, int y) const noexcept { return pixels[y * W + x]; }
    void fill(COLORREF colour) noexcept { pixels.fill(colour); }
};

PixelGrid<7, 84> buttonFacePixels() noexcept;
PixelGrid<15, 18> comboButtonPixels() noexcept;
PixelGrid<18, 24> markGlyphPixels() noexcept;
PixelGrid<13, 52> optionBubblePixels() noexcept;
PixelGrid<9, 20> headerItemPixels() noexcept;

// A colour given at one row (or column) of a gradient.
struct Stop {
    int at;
    COLORREF colour;
};
using Stops = std::initializer_list<Stop>;

// The straight line from `from` to `to`, at `at`, each channel rounded to the
// nearest unit.
constexpr COLORREF blend(Stop from, Stop to, int at) noexcept
{
    if (to.at == from.at)
        return from.colour;
    const int span = to.at - from.at;
    const int step = at - from.at;
    COLORREF result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>((from.colour >> shift) & 0xFF);
        const int b = static_cast<int>((to.colour >> shift) & 0xFF);
        const int num = (b - a) * step;
        const int rounded = num >= 0 ? (2 * num + span) / (2 * span) : -((-2 * num + span) / (2 * span));
        result |= static_cast<COLORREF>(a + rounded) << shift;
    }
    return result;
}

// Sets column x of a grid, rows first.at .. last.at offset by `top`, to the
// straight-line blends between consecutive stops.
template <class Grid>
void fillColumn(Grid& grid, int x, int top, Stops stops) noexcept
{
    const Stop* previous = nullptr;
    for (const Stop& stop : stops) {
        if (!previous)
            grid.at(x, top + stop.at) = stop.colour;
        else
            for (int y = previous->at + 1; y <= stop.at; ++y)
                grid.at(x, top + y) = blend(*previous, stop, y);
        previous = &stop;
    }
}

} // namespace skin
