#include "analysis/CheckedNumbers.h"

#include <algorithm>

namespace numora {

namespace {
constexpr int kFewestBalls = 3;
}  // namespace

BonusRange bonusRange(const LotteryProfile& profile) { return {std::max(profile.min, 1), profile.bonus}; }

int ballsInPlay(const LotteryProfile& profile) {
    return std::clamp(profile.balls, kFewestBalls, static_cast<int>(DrawRecord::kBallCount));
}

std::vector<int> drawnMainNumbers(const DrawRecord& draw, const LotteryProfile& profile) {
    std::vector<int> numbers;
    for (int ball = 1; ball <= ballsInPlay(profile); ++ball) {
        const int number = draw.ball(ball);
        if (number >= profile.min && number <= profile.max) numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::optional<int> drawnBonus(const DrawRecord& draw, const LotteryProfile& profile) {
    if (!bonusRange(profile).holds(draw.bonus)) return std::nullopt;
    return draw.bonus;
}

std::optional<std::vector<int>> completeLineNumbers(const PickedLine& line, const LotteryProfile& profile) {
    std::vector<int> numbers(line.slots.begin(), line.slots.begin() + ballsInPlay(profile));
    for (const int number : numbers) {
        if (number < profile.min || number > profile.max) return std::nullopt;
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace numora
