#include "draws/DrawCheck.h"

#include <algorithm>

#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr char kBallTooLowFormat[] = "Ball %d must be higher then 0.";
constexpr char kBonusTooLow[] = "Bonus  or PowerBall must be higher.";
constexpr char kBallTooHighFormat[] = "Ball %d must be a smaller number.";
constexpr char kBonusTooHigh[] = "Bonus or PowerBall must be a smaller number.";
constexpr char kBallNotAscendingFormat[] = "Invalid entry, enter a number that is higher then ball %d.";
constexpr char kBonusAlreadyDrawn[] = "Invalid entry, That number was already drawn";

constexpr int kBallBoxes = 7;
// Balls 1 to 3 are always checked against the lowest ball; ball k beyond
// them only when the lottery draws at least k balls.
constexpr int kAlwaysCheckedBalls = 3;

DrawCheckFailure ballFailure(const char* format, int ballNumberInText, int box) {
    return {formatText(format, ballNumberInText), box, true};
}

}  // namespace

std::optional<DrawCheckFailure> checkEnteredDraw(const EnteredDraw& numbers, const LotteryProfile& profile) {
    const std::int32_t bonus = numbers[kBonusBox];
    for (int box = 0; box < kBallBoxes; ++box) {
        const bool counted = box < kAlwaysCheckedBalls || profile.balls > box;
        if (numbers[box] < profile.min && counted) return ballFailure(kBallTooLowFormat, box + 1, box);
    }
    if (bonus < profile.min && profile.bonus > 0) return DrawCheckFailure{kBonusTooLow, kBonusBox, false};
    for (int box = 0; box < kBallBoxes; ++box) {
        if (numbers[box] > profile.max) return ballFailure(kBallTooHighFormat, box + 1, box);
    }
    if (bonus > profile.bonus && profile.bonus > 0) return DrawCheckFailure{kBonusTooHigh, kBonusBox, false};

    if (!profile.sort || profile.repeat) return std::nullopt;
    for (int box = 1; box < kBallBoxes; ++box) {
        if (numbers[box] <= numbers[box - 1] && numbers[box] != 0) {
            return ballFailure(kBallNotAscendingFormat, box, box);
        }
    }
    const auto ballsEnd = numbers.begin() + kBallBoxes;
    if (bonus != 0 && !profile.powerBall && std::find(numbers.begin(), ballsEnd, bonus) != ballsEnd) {
        return DrawCheckFailure{kBonusAlreadyDrawn, kBonusBox, false};
    }
    return std::nullopt;
}

}  // namespace numora
