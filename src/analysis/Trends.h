#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "draws/DrawList.h"
#include "settings/LotteryProfile.h"

namespace numora {

// How one number fared over the last draws: how often it was drawn in them,
// and how many draws ago it was last drawn in all the draws (0: in the latest
// one; nullopt: never).
struct NumberTrend {
    int number = 0;
    int count = 0;
    std::optional<int> drawsSinceSeen;

    friend bool operator==(const NumberTrend&, const NumberTrend&) = default;
};

// The numbers of one kind of ball (the main balls, the second drum's, or the
// bonus) from the lowest to the highest, and the count each would have by chance: the balls
// of that kind counted over the last draws, shared evenly among the numbers.
struct TrendSet {
    std::vector<NumberTrend> numbers;
    int ballsCounted = 0;
    double expected = 0.0;
};

// The trends of a lottery over its last draws (the last ones of the list, the
// most recent last, as a pick reads them). Main balls, a second drum's
// numbers and the bonus are counted apart; the second drum's set is empty for
// a lottery without one, the bonus set for a lottery without a bonus.
struct Trends {
    std::size_t drawsCounted = 0;
    std::size_t drawsKept = 0;
    TrendSet main;
    TrendSet secondDrum;
    TrendSet bonus;
};

// How many of the last draws the trends count unless told otherwise.
inline constexpr int kDefaultTrendDraws = 50;

// Over the last `last` draws, or all of them without a number.
Trends countTrends(const DrawList& draws, const LotteryProfile& profile, std::optional<std::size_t> last);

enum class TrendOrder {
    Number,          // ascending
    Count,           // most often drawn first
    DrawsSinceSeen,  // longest unseen first, never-seen ones before them
};

// Sorts by the order; numbers that tie keep ascending number order.
void sortTrends(std::vector<NumberTrend>& numbers, TrendOrder order);

}  // namespace numora
