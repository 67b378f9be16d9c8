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

// For a lottery with a second drum, the chances that a line made at random
// matches m main numbers and s of the second drum's (index [m][s]): the line's
// Drum2 different numbers of the drum's range are drawn apart from its balls,
// so the chance is that of the balls times that of the drum's numbers
// (hypergeometric over the draw's different numbers of the drum). For
// EuroMillions' 5 of 50 and 2 of 12, 5+2 comes once in 139,838,160 lines.
std::vector<std::vector<double>> randomLineLabelOdds(const LotteryProfile& profile, const std::vector<int>& drawnMain,
                                                     const std::vector<int>& drawnSecondDrum);

// C(n, k), exact in a double for the sizes of a lottery; 0 outside 0 <= k <= n.
double binomial(int n, int k);

}  // namespace numora
