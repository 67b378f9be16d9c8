#pragma once

#include <bitset>
#include <string>
#include <vector>

#include "settings/LotteryProfile.h"
#include "settings/ProfileLimits.h"

namespace numora {

// Ball numbers as a set: 0 to the highest ball a profile allows.
inline constexpr int kBallNumberCount = kHighestBallLimits.highest + 1;
using BallSet = std::bitset<kBallNumberCount>;

// What a player asks of every line picked for a lottery, beyond its profile:
// numbers that every line holds, numbers that no line holds, and a line that
// no line already in the pick list repeats. The rules speak of a line's main
// balls alone (the first Balls numbers, from Min to Max); the bonus is drawn
// as it always is. All off, picks are as they are without rules.
struct PickRules {
    BallSet fixed;
    BallSet excluded;
    bool newLine = false;

    bool none() const { return fixed.none() && excluded.none() && !newLine; }
    friend bool operator==(const PickRules&, const PickRules&) = default;
};

// Why rules cannot give a line of a profile, in the order they are looked for.
enum class PickRulesProblem {
    None,
    OutOfRange,        // a fixed or excluded number lies outside Min to Max
    FixedAndExcluded,  // a number is both
    TooManyFixed,      // more than Balls - 1: a line keeps at least one ball to pick
    TooFewLeft,        // with numbers excluded, fewer than Balls from Min to Max are left
};

// The first problem of the rules with the profile's balls. A profile outside
// the editor's limits is the pick's own refusal, not the rules' problem.
PickRulesProblem pickRulesProblem(const PickRules& rules, const LotteryProfile& profile);

// The problem in words that name the numbers ("Fixed number 50 is out of
// range: the balls of Lotto run from 1 to 49."); empty when there is none.
std::string pickRulesProblemText(const PickRules& rules, const LotteryProfile& profile);

// A fixed or excluded number outside the profile's balls; also used by
// readers that meet it before it can be a set.
std::string outOfRangeText(bool fixed, int number, const LotteryProfile& profile);

// Rules made to fit a profile, and what was dropped for it.
struct FittedPickRules {
    PickRules rules;
    std::string dropped;  // the message that tells what was dropped; empty when nothing was
};

// Drops what the profile no longer allows, after a change of its balls:
// numbers outside Min to Max, an excluded number that is also fixed, the
// highest fixed numbers past Balls - 1, then the highest excluded numbers
// until Balls numbers are left. Rules that fit, and rules of a profile
// outside the editor's limits, are kept as they are.
FittedPickRules fitPickRules(const PickRules& rules, const LotteryProfile& profile);

// The rules in words, one a line, for lists that show which are on:
// "fixed 3, 7, 12", "excluded 1-5, 40", "a new line each Pick". None when no
// rule is on.
std::vector<std::string> pickRulesLines(const PickRules& rules);

inline constexpr char kRuleFixedWords[] = "fixed ";
inline constexpr char kRuleExcludedWords[] = "excluded ";
inline constexpr char kRuleNewLineWords[] = "a new line each Pick";
// How the numbers of a rule are set apart in words: "1-5, 40".
inline constexpr char kRuleNumberSeparator[] = ", ";

}  // namespace numora
