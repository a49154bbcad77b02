// Shared by the image tests: the image set built once per test program, the
// images read back into DIBs, and expectations written in the same words the
// colour lists use ("0x00F9E1BF 0x00E3B36B", "3: 0x00FDFAF5; 10: 0x00FBF0E3").
#pragma once

#include "skin/images/skin_images.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace qmtest {

// Every "0x........" in the text, in order.
inline std::vector<COLORREF> coloursIn(std::string_view text)
{
    std::vector<COLORREF> out;
    for (std::size_t at = text.find("0x"); at != std::string_view::npos; at = text.find("0x", at + 2))
        out.push_back(static_cast<COLORREF>(std::strtoul(std::string(text.substr(at, 10)).c_str(), nullptr, 16)));
    return out;
}

struct Listed {
    int at;
    COLORREF colour;
};

// "3: 0x00FDFAF5; 10: 0x00FBF0E3" -> {3, 0x00FDFAF5}, {10, 0x00FBF0E3}.
inline std::vector<Listed> listedIn(std::string_view text)
{
    std::vector<Listed> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find(';', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string item(text.substr(pos, end - pos));
        const std::size_t colon = item.find(':');
        out.push_back({std::atoi(item.c_str()), coloursIn(item.substr(colon))[0]});
        pos = end + 1;
    }
    return out;
}

// Each channel of `actual` within `tolerance` of the straight line from `from`
// (fraction 0) to `to` (fraction 1).
inline bool onLine(COLORREF actual, COLORREF from, COLORREF to, double fraction, double tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        const double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        const double c = (actual >> shift) & 0xFF;
        if (std::fabs(c - (a + (b - a) * fraction)) > tolerance)
            return false;
    }
    return true;
}

// Checks a column given as colours at listed rows: exact at the listed rows,
// within `tolerance` of the straight line between them elsewhere.
inline void expectGradient(const Dib& image, int x, int top, std::string_view listedText, double tolerance,
                           const std::string& what)
{
    const std::vector<Listed> listed = listedIn(listedText);
    for (std::size_t i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(hex(image.pixel(x, top + listed[i].at)), hex(listed[i].colour))
            << what << " column " << x << " row " << listed[i].at;
        if (i == 0)
            continue;
        const Listed a = listed[i - 1], b = listed[i];
        for (int y = a.at + 1; y < b.at; ++y) {
            const COLORREF c = image.pixel(x, top + y);
            EXPECT_TRUE(onLine(c, a.colour, b.colour, double(y - a.at) / (b.at - a.at), tolerance))
                << what << " column " << x << " row " << y << " is " << hex(c) << ", not within " << tolerance
                << " of the line " << hex(a.colour) << " .. " << hex(b.colour);
        }
    }
}

inline Dib readImage(HDC image, int width, int height) { return captureDc(image, 0, 0, width, height); }

// Builds the image set for a suite and releases it afterwards.
class SkinImageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { skin::buildSkinImages(); }
    static void TearDownTestSuite() { skin::releaseSkinImages(); }
};

} // namespace qmtest
