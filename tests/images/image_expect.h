// Shared by the image tests: the image set built once per suite, images read
// back into DIBs, and expected colours written as compact lists.
#pragma once

#include "skin/images/skin_images.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qmtest {

inline constexpr COLORREF kKey = 0x00FF00FF;

// Colours as BBGGRR hex (the COLORREF 0x00BBGGRR) separated by spaces; "C*n" is C n times.
inline std::vector<COLORREF> coloursIn(std::string_view text)
{
    std::vector<COLORREF> out;
    std::istringstream in{std::string(text)};
    for (std::string token; in >> token;) {
        const std::size_t star = token.find('*');
        out.insert(out.end(), star == std::string::npos ? 1 : std::stoi(token.substr(star + 1)),
                   static_cast<COLORREF>(std::stoul(token, nullptr, 16)));
    }
    return out;
}

// Expected pixels by position; pixels never set are not checked.
using Pixels = std::map<std::pair<int, int>, COLORREF>;

// The colours from (x, y) on, one step (dx, dy) apart; each "/" starts again one row down.
inline void put(Pixels& p, int x, int y, std::string_view colours, int dx = 1, int dy = 0)
{
    for (;; ++y) {
        const std::size_t end = std::min(colours.find('/'), colours.size());
        int at = 0;
        for (COLORREF c : coloursIn(colours.substr(0, end)))
            p[{x + dx * at, y + dy * at}] = c, ++at;
        if (end == colours.size())
            return;
        colours.remove_prefix(end + 1);
    }
}

inline void expectPixels(const Dib& image, const Pixels& p, const std::string& what)
{
    for (const auto& [at, colour] : p)
        EXPECT_EQ(hex(image.pixel(at.first, at.second)), hex(colour)) << what << " at " << at.first << "," << at.second;
}

inline Dib readImage(HDC image, int width, int height) { return captureDc(image, 0, 0, width, height); }

// Builds the image set for a suite and releases it afterwards.
class SkinImageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { skin::buildSkinImages(); }
    static void TearDownTestSuite() { skin::releaseSkinImages(); }
};

} // namespace qmtest
