#include "draws/DrawCheck.h"

#include <algorithm>

#include "platform/FormatText.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr char kBallTooLowFormat[] = "Ball %d must be higher then 0.";
constexpr char kBonusTooLow[] = "Bonus  or PowerBall must be higher.";
constexpr char kBallTooHighFormat[] = "Ball %d must be a smaller number.";
constexpr char kBonusTooHigh[] = "Bonus or PowerBall must be a smaller number.";
constexpr char kBallNotAscendingFormat[] = "Invalid entry, enter a number that is higher then ball %d.";
constexpr char kBonusAlreadyDrawn[] = "Invalid entry, That number was already drawn";
// The second drum's numbers are counted from 1 among themselves.
constexpr char kSecondDrumOutsideFormat[] = "Second drum number %d must be from %d to %d.";
constexpr char kSecondDrumRepeatFormat[] = "Invalid entry, second drum number %d was already drawn.";

constexpr int kBallBoxes = 7;
// Balls 1 to 3 are always checked against the lowest ball; ball k beyond
// them only when the lottery draws at least k balls.
constexpr int kAlwaysCheckedBalls = 3;

DrawCheckFailure ballFailure(const char* format, int ballNumberInText, int box) {
    return {formatText(format, ballNumberInText), box, true};
}

bool isSecondDrumBox(const LotteryProfile& profile, int box) { return slotDrum(profile, box + 1) == SlotDrum::Second; }

// The second drum's numbers: each within the drum's range, none twice. The
// typed number stays for the user to mend.
std::optional<DrawCheckFailure> checkSecondDrum(const EnteredDraw& numbers, const LotteryProfile& profile) {
    const NumberRange range = secondDrumRange(profile);
    const int first = profile.balls;
    for (int box = first; box < kBallBoxes && isSecondDrumBox(profile, box); ++box) {
        const int inDrum = box - first + 1;
        if (!range.holds(numbers[box])) {
            return DrawCheckFailure{formatText(kSecondDrumOutsideFormat, inDrum, range.low, range.high), box, false};
        }
        if (std::find(numbers.begin() + first, numbers.begin() + box, numbers[box]) != numbers.begin() + box) {
            return DrawCheckFailure{formatText(kSecondDrumRepeatFormat, inDrum), box, false};
        }
    }
    return std::nullopt;
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
        if (numbers[box] > profile.max && !isSecondDrumBox(profile, box)) {
            return ballFailure(kBallTooHighFormat, box + 1, box);
        }
    }
    if (bonus > profile.bonus && profile.bonus > 0) return DrawCheckFailure{kBonusTooHigh, kBonusBox, false};
    if (auto failure = checkSecondDrum(numbers, profile)) return failure;

    // The order and the bonus concern the main balls: a main ball may equal a
    // number of the second drum.
    if (!profile.sort || profile.repeat) return std::nullopt;
    for (int box = 1; box < kBallBoxes; ++box) {
        if (isSecondDrumBox(profile, box) || isSecondDrumBox(profile, box - 1)) continue;
        if (numbers[box] <= numbers[box - 1] && numbers[box] != 0) {
            return ballFailure(kBallNotAscendingFormat, box, box);
        }
    }
    for (int box = 0; box < kBallBoxes; ++box) {
        if (bonus != 0 && !profile.powerBall && numbers[box] == bonus && !isSecondDrumBox(profile, box)) {
            return DrawCheckFailure{kBonusAlreadyDrawn, kBonusBox, false};
        }
    }
    return std::nullopt;
}

}  // namespace numora
