#pragma once

#include <vector>

#include "settings/LotteryProfile.h"

namespace numora {

// The chances that a line made at random matches 0, 1, ... Balls of a draw's
// main numbers (drawn: the draw's main numbers within Min..Max, in any order),
// matched as a check matches them. The random line is made as the lottery
// makes its lines: Balls different numbers from Min to Max (then the count is
// hypergeometric over the draw's different numbers), or, when its numbers
// repeat, Balls numbers each drawn alone from Min to Max.
std::vector<double> randomLineMatchOdds(const LotteryProfile& profile, const std::vector<int>& drawn);

// C(n, k), exact in a double for the sizes of a lottery; 0 outside 0 <= k <= n.
double binomial(int n, int k);

}  // namespace numora
