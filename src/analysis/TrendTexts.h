#pragma once

#include <array>
#include <string>

#include "analysis/Trends.h"

namespace numora {

// How the trends of a number are written, in the Trends window and by
// numora-cli trends alike.

// The columns: the number, its count, the count expected by chance, the draws
// since it was last drawn.
inline constexpr std::array<const char*, 4> kTrendColumns{"No.", "Count", "Expected", "Since"};

// The expected count, to two decimals.
std::string expectedCountText(double expected);
// The draws since the number was last drawn; "-" for a number never drawn.
std::string drawsSinceText(const NumberTrend& trend);

}  // namespace numora
