#pragma once

#include <optional>
#include <vector>

#include "draws/DrawRecord.h"
#include "picking/PickedLine.h"
#include "settings/LotteryProfile.h"

namespace numora {

// What a check compares of a draw and of a line. The main numbers are balls 1
// to Balls that lie from Min to Max: fields past the lottery's balls, empty
// fields and the -1 of an import take no part. The bonus is a number of the
// lottery's bonus range, which starts at 1 at the lowest, since a draw's bonus
// of 0 means the draw has none.
struct BonusRange {
    int low = 1;
    int high = 0;

    bool holds(int number) const { return number >= low && number <= high; }
    int size() const { return high < low ? 0 : high - low + 1; }
};

BonusRange bonusRange(const LotteryProfile& profile);

// How many balls a line of the lottery has (3 to 7, whatever a hand-edited
// profile says).
int ballsInPlay(const LotteryProfile& profile);

// The main numbers of a draw in ascending order.
std::vector<int> drawnMainNumbers(const DrawRecord& draw, const LotteryProfile& profile);
std::optional<int> drawnBonus(const DrawRecord& draw, const LotteryProfile& profile);

// The second drum's numbers of a draw, those of its slots that lie within the
// drum's range, in ascending order; none for a lottery without a second drum.
std::vector<int> drawnSecondDrumNumbers(const DrawRecord& draw, const LotteryProfile& profile);

// The line's main numbers in ascending order; nullopt unless every one of its
// Balls slots holds a number from Min to Max.
std::optional<std::vector<int>> completeLineNumbers(const PickedLine& line, const LotteryProfile& profile);

// The line's second drum numbers in ascending order; nullopt unless every one
// of the drum's slots holds a number of its range.
std::optional<std::vector<int>> completeSecondDrumNumbers(const PickedLine& line, const LotteryProfile& profile);

}  // namespace numora
