#include "skin/images/scale_pixels.h"

#include "skin/images/dpi.h"
#include "skin/images/skin_images.h"

#include <algorithm>

namespace skin {

namespace {

// How much of source pixel `source` new pixel `target` covers, in units of
// which a source pixel holds `targetLength` and a new pixel `sourceLength`.
struct Share {
    int source;
    int weight;
};

// The shares of every new pixel along one axis. Each part [a, b) of the
// source maps onto [scaled a, scaled b); all arithmetic is whole numbers, so a
// whole factor gives each new pixel exactly one source pixel.
std::vector<std::vector<Share>> axisShares(int length, Cuts cuts, int dpi)
{
    std::vector<int> edges{0};
    for (int cut : cuts)
        if (cut > edges.back() && cut < length)
            edges.push_back(cut);
    edges.push_back(length);

    std::vector<std::vector<Share>> shares(static_cast<size_t>(scaleToDpi(length, dpi)));
    for (size_t part = 0; part + 1 < edges.size(); ++part) {
        const int from = edges[part];
        const int sourceLength = edges[part + 1] - from;
        const int start = scaleToDpi(from, dpi);
        const int targetLength = scaleToDpi(edges[part + 1], dpi) - start;
        for (int t = 0; t < targetLength; ++t) {
            // New pixel t spans [t * sourceLength, (t + 1) * sourceLength);
            // source pixel s spans [s * targetLength, (s + 1) * targetLength).
            const int lo = t * sourceLength;
            const int hi = lo + sourceLength;
            for (int s = lo / targetLength; s < sourceLength && s * targetLength < hi; ++s) {
                const int overlap = std::min(hi, (s + 1) * targetLength) - std::max(lo, s * targetLength);
                if (overlap > 0)
                    shares[static_cast<size_t>(start + t)].push_back({from + s, overlap});
            }
        }
    }
    return shares;
}

COLORREF average(const long long (&sum)[3], long long weight) noexcept
{
    COLORREF colour = 0;
    for (int channel = 0; channel < 3; ++channel)
        colour |= static_cast<COLORREF>((2 * sum[channel] + weight) / (2 * weight)) << (8 * channel);
    return colour;
}

} // namespace

ScaledPixels scalePixels(const COLORREF* source, int width, int height, Cuts across, Cuts down, int dpi)
{
    ScaledPixels image;
    if (dpi == kBaseDpi || dpi <= 0) {
        image.width = width;
        image.height = height;
        image.pixels.assign(source, source + static_cast<size_t>(width) * height);
        return image;
    }
    const auto columns = axisShares(width, across, dpi);
    const auto rows = axisShares(height, down, dpi);
    image.width = static_cast<int>(columns.size());
    image.height = static_cast<int>(rows.size());
    image.pixels.reserve(columns.size() * rows.size());
    for (const auto& row : rows) {
        for (const auto& column : columns) {
            long long sum[3] = {};
            long long keyWeight = 0;
            long long colourWeight = 0;
            for (const Share& r : row) {
                for (const Share& c : column) {
                    const COLORREF pixel = source[static_cast<size_t>(r.source) * width + c.source];
                    const long long weight = static_cast<long long>(r.weight) * c.weight;
                    if (pixel == kKeyColour) {
                        keyWeight += weight;
                        continue;
                    }
                    colourWeight += weight;
                    for (int channel = 0; channel < 3; ++channel)
                        sum[channel] += weight * ((pixel >> (8 * channel)) & 0xFF);
                }
            }
            image.pixels.push_back(keyWeight > colourWeight || colourWeight == 0 ? kKeyColour
                                                                                  : average(sum, colourWeight));
        }
    }
    return image;
}

} // namespace skin
