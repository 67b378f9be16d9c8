#include "analysis/Backtest.h"

#include <algorithm>
#include <cmath>

#include "analysis/ChanceOdds.h"
#include "analysis/CheckedNumbers.h"
#include "analysis/LineCheck.h"
#include "picking/PickFlow.h"
#include "picking/PickRefusal.h"
#include "picking/SilentProgress.h"
#include "platform/FormatText.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

// The chance that the pick's bonus would match the draw's if it were drawn at
// random the way the pick draws it: from Min to the highest bonus, apart from
// the line's slots when the lottery shows its bonus beside the line.
double randomBonusChance(const PickedLine& pick, int drawnBonus, const LotteryProfile& profile) {
    std::vector<int> avoided;
    if (PredictionEngine::bonusAvoidsSlots(profile, LineKind::Analysed)) {
        for (const int slot : pick.slots) {
            if (slot >= profile.min && slot <= profile.bonus) avoided.push_back(slot);
        }
        std::sort(avoided.begin(), avoided.end());
        avoided.erase(std::unique(avoided.begin(), avoided.end()), avoided.end());
    }
    if (std::binary_search(avoided.begin(), avoided.end(), drawnBonus)) return 0.0;
    const int choices = profile.bonus - profile.min + 1 - static_cast<int>(avoided.size());
    return choices > 0 ? 1.0 / choices : 0.0;
}

void tally(BacktestResult& result, const PickedLine& pick, const DrawRecord& draw, const LotteryProfile& profile) {
    const LineMatch match = matchLine(pick, draw, profile);
    ++result.observed[static_cast<std::size_t>(match.mainMatches)];

    const std::vector<double> odds = randomLineMatchOdds(profile, drawnMainNumbers(draw, profile));
    double mean = 0.0;
    double meanOfSquares = 0.0;
    for (std::size_t matches = 0; matches < odds.size(); ++matches) {
        result.expected[matches] += odds[matches];
        mean += static_cast<double>(matches) * odds[matches];
        meanOfSquares += static_cast<double>(matches * matches) * odds[matches];
    }
    result.expectedVariance += meanOfSquares - mean * mean;

    if (match.secondDrumMatches) {
        const auto labelOdds =
            randomLineLabelOdds(profile, drawnMainNumbers(draw, profile), drawnSecondDrumNumbers(draw, profile));
        ++result.observedLabels[static_cast<std::size_t>(match.mainMatches)]
                               [static_cast<std::size_t>(*match.secondDrumMatches)];
        for (std::size_t m = 0; m < labelOdds.size(); ++m) {
            for (std::size_t s = 0; s < labelOdds[m].size(); ++s) result.expectedLabels[m][s] += labelOdds[m][s];
        }
    }

    const auto bonus = drawnBonus(draw, profile);
    if (!bonus || pick.bonus == PickedLine::kEmpty) return;
    ++result.bonusTried;
    if (match.bonusMatched) ++result.bonusMatched;
    result.bonusExpected += randomBonusChance(pick, *bonus, profile);
}

}  // namespace

int BacktestResult::matchedInAll() const {
    int total = 0;
    for (std::size_t matches = 0; matches < observed.size(); ++matches) {
        total += static_cast<int>(matches) * observed[matches];
    }
    return total;
}

double BacktestResult::expectedInAll() const {
    double total = 0.0;
    for (std::size_t matches = 0; matches < expected.size(); ++matches) {
        total += static_cast<double>(matches) * expected[matches];
    }
    return total;
}

double BacktestResult::observedMean() const { return tested == 0 ? 0.0 : matchedInAll() / static_cast<double>(tested); }

double BacktestResult::expectedMean() const {
    return tested == 0 ? 0.0 : expectedInAll() / static_cast<double>(tested);
}

BacktestResult backtestAnalysedPicks(const DrawList& draws, const LotteryProfile& profile, const Options& options,
                                     std::size_t last, const BacktestProgress& progress, const PickRules& rules) {
    BacktestResult result;
    result.observed.assign(static_cast<std::size_t>(ballsInPlay(profile)) + 1, 0);
    result.expected.assign(result.observed.size(), 0.0);
    if (hasSecondDrum(profile)) {
        const std::size_t drumMatches = static_cast<std::size_t>(secondDrumNumbers(profile)) + 1;
        result.observedLabels.assign(result.observed.size(), std::vector<int>(drumMatches, 0));
        result.expectedLabels.assign(result.observed.size(), std::vector<double>(drumMatches, 0.0));
    }
    result.refusal = analysedLineRefusal(profile);
    if (result.refused()) return result;

    const std::size_t testable = draws.size() > kFewestDrawsBeforeTest ? draws.size() - kFewestDrawsBeforeTest : 0;
    const std::size_t total = std::min(last, testable);
    const auto first = draws.begin() + static_cast<std::ptrdiff_t>(draws.size() - total);
    // The draws before the one tested; each tested draw joins them after its pick.
    DrawList history;
    history.reserve(draws.size());
    history.records().assign(draws.begin(), first);

    CrtRandom random;
    PredictionEngine engine(random);
    SilentProgress silent;
    for (auto draw = first; draw != draws.end(); ++draw) {
        const PickRequest request{profile, history, options, 0, LineKind::Analysed, 0, rules};
        const PickResult pick = makePick(engine, request, silent);
        if (pick.refused()) {
            result.refusal = pick.refusal;
            return result;
        }
        tally(result, pick.line, *draw, profile);
        history.append(*draw);
        ++result.tested;
        if (progress) progress(result.tested, total);
    }
    return result;
}

std::string backtestVerdict(const BacktestResult& result) {
    const int tested = static_cast<int>(result.tested);
    if (tested < kFewestPicksToJudge) return formatText(kVerdictTooFew, tested, kFewestPicksToJudge);
    const double spread = std::sqrt(result.expectedVariance);
    const double difference = result.matchedInAll() - result.expectedInAll();
    const char* verdict = kVerdictLikeChance;
    if (spread > 0.0 && difference >= kClearDifference * spread) verdict = kVerdictBetter;
    if (spread > 0.0 && difference <= -kClearDifference * spread) verdict = kVerdictWorse;
    return formatText(verdict, result.observedMean(), result.expectedMean());
}

}  // namespace numora
