#pragma once

#include <cstdint>
#include <vector>

#include "draws/DrawList.h"
#include "settings/LotteryProfile.h"

namespace numora {

// How often one ball number was drawn.
struct NumberFrequency {
    int number = 0;
    std::int32_t count = 0;

    friend bool operator==(const NumberFrequency&, const NumberFrequency&) = default;
};

// The Draw Stats figures: one row per ball number from the lottery's lowest
// to its highest, and the number of draws counted; for a lottery with a second
// drum, one row per number of that drum apart.
struct DrawStatistics {
    std::vector<NumberFrequency> rows;
    std::vector<NumberFrequency> secondDrum;
    std::int32_t records = 0;
};

// Counts, for each number from Min to Max, the draws' balls 1 to 3, balls 4
// to 7 as far as the lottery draws them, and the bonus when the lottery has
// one, by their numbers in one table: a bonus within Min..Max adds to that
// number, equal values in one draw each count, values outside Min..Max count
// nowhere. Only numbers 0 to 99 have rows, whatever a hand-edited profile
// says. The numbers of a second drum are counted the same way in a table of
// their own, from its slots against its range.
DrawStatistics countDrawNumbers(const DrawList& draws, const LotteryProfile& profile);

}  // namespace numora
