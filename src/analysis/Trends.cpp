#include "analysis/Trends.h"

#include <algorithm>
#include <limits>
#include <tuple>

#include "analysis/CheckedNumbers.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

// Ball numbers never exceed 99; a hand-edited profile gets no rows past it.
constexpr int kLowestNumber = 0;
constexpr int kHighestNumber = 99;
// Sorts a number never drawn before every number drawn some draws ago.
constexpr int kNeverSeenKey = std::numeric_limits<int>::min();

TrendSet emptySet(int low, int high) {
    TrendSet set;
    for (int number = std::max(low, kLowestNumber); number <= std::min(high, kHighestNumber); ++number) {
        set.numbers.push_back({number, 0, std::nullopt});
    }
    return set;
}

// Adds one drawn number; `ago` is how many draws ago it was drawn.
void record(TrendSet& set, int number, int ago, bool counted) {
    if (set.numbers.empty() || number < set.numbers.front().number || number > set.numbers.back().number) return;
    NumberTrend& trend = set.numbers[static_cast<std::size_t>(number - set.numbers.front().number)];
    if (!trend.drawsSinceSeen) trend.drawsSinceSeen = ago;
    if (!counted) return;
    ++trend.count;
    ++set.ballsCounted;
}

void shareOut(TrendSet& set) {
    if (!set.numbers.empty())
        set.expected = static_cast<double>(set.ballsCounted) / static_cast<double>(set.numbers.size());
}

}  // namespace

Trends countTrends(const DrawList& draws, const LotteryProfile& profile, std::optional<std::size_t> last) {
    Trends trends;
    trends.drawsKept = draws.size();
    trends.drawsCounted = std::min(last.value_or(draws.size()), draws.size());
    trends.main = emptySet(profile.min, profile.max);
    if (hasSecondDrum(profile)) trends.secondDrum = emptySet(profile.drum2Min, profile.drum2Max);
    const BonusRange bonus = bonusRange(profile);
    trends.bonus = emptySet(bonus.low, bonus.high);

    // From the latest draw back, so the first sighting of a number is its last.
    int ago = 0;
    for (auto draw = draws.records().rbegin(); draw != draws.records().rend(); ++draw, ++ago) {
        const bool counted = static_cast<std::size_t>(ago) < trends.drawsCounted;
        for (const int number : drawnMainNumbers(*draw, profile)) record(trends.main, number, ago, counted);
        for (const int number : drawnSecondDrumNumbers(*draw, profile)) {
            record(trends.secondDrum, number, ago, counted);
        }
        if (const auto drawn = drawnBonus(*draw, profile)) record(trends.bonus, *drawn, ago, counted);
    }
    shareOut(trends.main);
    shareOut(trends.secondDrum);
    shareOut(trends.bonus);
    return trends;
}

void sortTrends(std::vector<NumberTrend>& numbers, TrendOrder order) {
    const auto key = [order](const NumberTrend& trend) {
        switch (order) {
            case TrendOrder::Count:
                return std::make_tuple(-trend.count, trend.number);
            case TrendOrder::DrawsSinceSeen:
                return std::make_tuple(trend.drawsSinceSeen ? -*trend.drawsSinceSeen : kNeverSeenKey, trend.number);
            case TrendOrder::Number:
                break;
        }
        return std::make_tuple(0, trend.number);
    };
    std::stable_sort(numbers.begin(), numbers.end(),
                     [&](const NumberTrend& a, const NumberTrend& b) { return key(a) < key(b); });
}

}  // namespace numora
