#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "draws/DrawList.h"
#include "settings/LotteryProfile.h"
#include "settings/Options.h"
#include "settings/PickRules.h"

namespace numora {

// How the picks of a backtest fared, next to what lines made at random would
// have done against the same draws. Only the main numbers decide the verdict;
// the bonus and a second drum's numbers are counted apart.
struct BacktestResult {
    // Why the lottery's profile cannot be picked; empty when it can.
    std::string_view refusal;
    std::size_t tested = 0;
    // Index m: how many picks matched m main numbers, and how many random
    // lines would be expected to (the sum of each draw's chances).
    std::vector<int> observed;
    std::vector<double> expected;
    // The variance of the main numbers random lines would match in all.
    double expectedVariance = 0.0;
    // Picks that had a bonus against a draw that had one; how many of those
    // bonuses matched, and how many random ones would be expected to.
    int bonusTried = 0;
    int bonusMatched = 0;
    double bonusExpected = 0.0;
    // For a lottery with a second drum, index [m][s]: how many picks matched m
    // main numbers and s of the second drum's ("5+2"), and how many random
    // lines would be expected to (their exact odds); empty otherwise.
    std::vector<std::vector<int>> observedLabels;
    std::vector<std::vector<double>> expectedLabels;

    bool refused() const { return !refusal.empty(); }
    int matchedInAll() const;
    double expectedInAll() const;
    // Main numbers matched a line, by the picks and by random lines.
    double observedMean() const;
    double expectedMean() const;
};

// A draw is tested only with at least this many draws before it, as a lottery
// needs them before a trend is predicted.
inline constexpr std::size_t kFewestDrawsBeforeTest = 3;

// Told after each pick: picks made, and how many the run makes.
using BacktestProgress = std::function<void(std::size_t done, std::size_t total)>;

// For each of the last `last` draws (as far as each has enough draws before
// it), makes the analysed pick that the main window would make from the draws
// before it alone, with an empty pick list, and matches it with that draw.
// The picks follow the lottery's pick rules; each being the first of its
// pick list, a new line each Pick changes none of them.
BacktestResult backtestAnalysedPicks(const DrawList& draws, const LotteryProfile& profile, const Options& options,
                                     std::size_t last, const BacktestProgress& progress = {},
                                     const PickRules& rules = {});

// The verdict in plain words, one line.
inline constexpr int kFewestPicksToJudge = 30;
// How far from chance, in standard deviations of luck, a result must lie
// before it counts as better or worse (luck alone goes that far up about once
// in 40 runs).
inline constexpr double kClearDifference = 2.0;
inline constexpr char kVerdictTooFew[] =
    "Too few draws to judge: %d picks cannot tell a method from luck; test at least %d.";
inline constexpr char kVerdictLikeChance[] =
    "No better than chance: the picks matched %.2f numbers a line where random lines would match %.2f, "
    "a difference luck alone gives.";
inline constexpr char kVerdictBetter[] =
    "Better than chance on these draws: %.2f numbers a line against %.2f for random lines, more than luck "
    "usually gives; try other periods before trusting it, as past draws do not change the odds of the next.";
inline constexpr char kVerdictWorse[] =
    "Worse than chance on these draws: %.2f numbers a line against %.2f for random lines, fewer than luck "
    "usually gives.";

std::string backtestVerdict(const BacktestResult& result);

}  // namespace numora
