#pragma once

#include "settings/LotteryProfile.h"

namespace numora::testing {

// Games with a second drum, as a user sets them up.
inline const LotteryProfile kEuroMillions{.name = "EuroMillions", .balls = 5, .max = 50, .bonus = 0, .sort = true,
                                          .drum2 = 2, .drum2Min = 1, .drum2Max = 12};
inline const LotteryProfile kSuperzahl{.name = "6aus49", .balls = 6, .max = 49, .bonus = 0, .sort = true,
                                       .drum2 = 1, .drum2Min = 0, .drum2Max = 9};

}  // namespace numora::testing
