// Whole pixels from halved or scaled sizes.
#pragma once

#include <cmath>

namespace skin {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4). A
// position made of several terms is added up first and rounded once.
inline int roundHalfEven(double value) noexcept
{
    return static_cast<int>(std::lrint(value));
}

} // namespace skin
