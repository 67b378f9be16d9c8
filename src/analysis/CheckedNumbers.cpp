#include "analysis/CheckedNumbers.h"

#include <algorithm>

#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr int kFewestBalls = 3;

// The numbers of slots [first, end) (numberAt gives each) that lie in range,
// ascending; with `whole`, nullopt as soon as one does not.
template <typename NumberAt>
std::optional<std::vector<int>> numbersIn(NumberAt numberAt, int first, int end, NumberRange range, bool whole) {
    std::vector<int> numbers;
    for (int slot = first; slot < end; ++slot) {
        const int number = numberAt(slot);
        if (range.holds(number)) {
            numbers.push_back(number);
        } else if (whole) {
            return std::nullopt;
        }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

auto drawNumbers(const DrawRecord& draw) {
    return [&draw](int slot) { return draw.number(slot); };
}

auto lineNumbers(const PickedLine& line) {
    return [&line](int slot) { return line.slots[static_cast<std::size_t>(slot)]; };
}

}  // namespace

BonusRange bonusRange(const LotteryProfile& profile) { return {std::max(profile.min, 1), profile.bonus}; }

int ballsInPlay(const LotteryProfile& profile) {
    return std::clamp(profile.balls, kFewestBalls, static_cast<int>(DrawRecord::kBallCount));
}

std::vector<int> drawnMainNumbers(const DrawRecord& draw, const LotteryProfile& profile) {
    return *numbersIn(drawNumbers(draw), 0, ballsInPlay(profile), mainRange(profile), false);
}

std::optional<int> drawnBonus(const DrawRecord& draw, const LotteryProfile& profile) {
    if (!bonusRange(profile).holds(draw.bonus)) return std::nullopt;
    return draw.bonus;
}

std::vector<int> drawnSecondDrumNumbers(const DrawRecord& draw, const LotteryProfile& profile) {
    const SlotIndexes drum = secondDrumIndexes(profile);
    return *numbersIn(drawNumbers(draw), drum.first, drum.end, secondDrumRange(profile), false);
}

std::optional<std::vector<int>> completeLineNumbers(const PickedLine& line, const LotteryProfile& profile) {
    return numbersIn(lineNumbers(line), 0, ballsInPlay(profile), mainRange(profile), true);
}

std::optional<std::vector<int>> completeSecondDrumNumbers(const PickedLine& line, const LotteryProfile& profile) {
    const SlotIndexes drum = secondDrumIndexes(profile);
    return numbersIn(lineNumbers(line), drum.first, drum.end, secondDrumRange(profile), true);
}

}  // namespace numora
