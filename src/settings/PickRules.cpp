#include "settings/PickRules.h"

#include "platform/FormatText.h"
#include "settings/BallRuns.h"
#include "settings/ProfileFields.h"

namespace numora {

namespace {

constexpr char kOutOfRange[] = "%s number %d is out of range: the balls of %s run from %d to %d.";
constexpr char kFixedWord[] = "Fixed";
constexpr char kExcludedWord[] = "Excluded";
constexpr char kFixedAndExcluded[] = "%d cannot be both fixed and excluded.";
constexpr char kTooManyFixed[] =
    "Too many fixed numbers for %s: %d are fixed, and a line of %d balls can fix at most %d, so that one ball at "
    "least is picked.";
constexpr char kTooFewLeft[] =
    "Too many excluded numbers for %s: %d of the numbers from %d to %d are excluded, which leaves %d where a line "
    "needs %d.";
constexpr char kDropped[] =
    "The pick rules of %s no longer fit its profile (%d balls from %d to %d), so Numora dropped from them: %s.";
constexpr char kDroppedSeparator[] = "; ";

// The numbers from Min to Max.
BallSet ballsOf(const LotteryProfile& profile) {
    BallSet balls;
    for (int number = profile.min; number <= profile.max; ++number) balls.set(number);
    return balls;
}

int numbersLeft(const PickRules& rules, const LotteryProfile& profile) {
    return profile.max - profile.min + 1 - static_cast<int>((rules.excluded & ballsOf(profile)).count());
}

int mostFixed(const LotteryProfile& profile) { return profile.balls - 1; }

int lowest(const BallSet& numbers) {
    int number = 0;
    while (!numbers[number]) ++number;
    return number;
}

int highest(const BallSet& numbers) {
    int number = kBallNumberCount - 1;
    while (!numbers[number]) --number;
    return number;
}

// Drops the highest numbers of the set while `tooMany` holds, into `dropped`.
template <typename Condition>
void dropHighest(BallSet& numbers, BallSet& dropped, Condition tooMany) {
    while (numbers.any() && tooMany()) {
        const auto number = highest(numbers);
        numbers.reset(number);
        dropped.set(number);
    }
}

void addDropped(std::string& text, const char* words, const BallSet& dropped) {
    if (dropped.none()) return;
    if (!text.empty()) text += kDroppedSeparator;
    text += words + ballSetText(dropped, kRuleNumberSeparator);
}

}  // namespace

PickRulesProblem pickRulesProblem(const PickRules& rules, const LotteryProfile& profile) {
    if (!profileWithinLimits(profile)) return PickRulesProblem::None;
    const BallSet outside = ~ballsOf(profile);
    if (((rules.fixed | rules.excluded) & outside).any()) return PickRulesProblem::OutOfRange;
    if ((rules.fixed & rules.excluded).any()) return PickRulesProblem::FixedAndExcluded;
    if (static_cast<int>(rules.fixed.count()) > mostFixed(profile)) return PickRulesProblem::TooManyFixed;
    if (rules.excluded.any() && numbersLeft(rules, profile) < profile.balls) return PickRulesProblem::TooFewLeft;
    return PickRulesProblem::None;
}

std::string outOfRangeText(bool fixed, int number, const LotteryProfile& profile) {
    return formatText(kOutOfRange, fixed ? kFixedWord : kExcludedWord, number, profile.name.c_str(), profile.min,
                      profile.max);
}

std::string pickRulesProblemText(const PickRules& rules, const LotteryProfile& profile) {
    switch (pickRulesProblem(rules, profile)) {
    case PickRulesProblem::None: return {};
    case PickRulesProblem::OutOfRange: {
        const BallSet outside = ~ballsOf(profile);
        const bool fixed = (rules.fixed & outside).any();
        return outOfRangeText(fixed, lowest((fixed ? rules.fixed : rules.excluded) & outside), profile);
    }
    case PickRulesProblem::FixedAndExcluded: return formatText(kFixedAndExcluded, lowest(rules.fixed & rules.excluded));
    case PickRulesProblem::TooManyFixed:
        return formatText(kTooManyFixed, profile.name.c_str(), static_cast<int>(rules.fixed.count()), profile.balls,
                          mostFixed(profile));
    case PickRulesProblem::TooFewLeft:
        return formatText(kTooFewLeft, profile.name.c_str(), static_cast<int>(rules.excluded.count()), profile.min,
                          profile.max, numbersLeft(rules, profile), profile.balls);
    }
    return {};
}

FittedPickRules fitPickRules(const PickRules& rules, const LotteryProfile& profile) {
    FittedPickRules fitted{rules, {}};
    if (pickRulesProblem(rules, profile) == PickRulesProblem::None) return fitted;
    PickRules& kept = fitted.rules;
    const BallSet balls = ballsOf(profile);
    BallSet droppedFixed = kept.fixed & ~balls;
    BallSet droppedExcluded = (kept.excluded & ~balls) | (kept.excluded & kept.fixed);
    kept.fixed &= balls;
    kept.excluded &= balls & ~kept.fixed;
    dropHighest(kept.fixed, droppedFixed,
                [&] { return static_cast<int>(kept.fixed.count()) > mostFixed(profile); });
    dropHighest(kept.excluded, droppedExcluded, [&] { return numbersLeft(kept, profile) < profile.balls; });

    std::string dropped;
    addDropped(dropped, kRuleFixedWords, droppedFixed);
    addDropped(dropped, kRuleExcludedWords, droppedExcluded);
    fitted.dropped =
        formatText(kDropped, profile.name.c_str(), profile.balls, profile.min, profile.max, dropped.c_str());
    return fitted;
}

std::vector<std::string> pickRulesLines(const PickRules& rules) {
    std::vector<std::string> lines;
    if (rules.fixed.any()) lines.push_back(kRuleFixedWords + ballSetText(rules.fixed, kRuleNumberSeparator));
    if (rules.excluded.any()) {
        lines.push_back(kRuleExcludedWords + ballSetText(rules.excluded, kRuleNumberSeparator));
    }
    if (rules.newLine) lines.emplace_back(kRuleNewLineWords);
    return lines;
}

}  // namespace numora
