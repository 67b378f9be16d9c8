#include "picking/PredictionEngine.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "picking/Candidates.h"
#include "picking/NumberScores.h"
#include "picking/PatternStats.h"
#include "picking/PickRefusal.h"
#include "picking/RandomDraw.h"

namespace numora {

namespace {

const TakenLines& noLines() {
    static const TakenLines none;
    return none;
}

// Sums in 32-bit two's complement, as the seed rule asks.
std::int32_t wrapped(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

}  // namespace

PickResult PredictionEngine::PredictLine(const LotteryProfile& profile, const DrawList& draws,
                                         const Options& options, int lines, PickProgress& progress,
                                         const PickRules& rules, const TakenLines& taken) {
    PickResult result;
    const SlotRules slots = slotRulesOf(rules, profile.balls);
    const TakenLines& avoided = rules.newLine ? taken : noLines();
    result.refusal = analysedLineRefusal(profile);
    if (!result.refused()) result.refusal = rulesRefusal(profile, rules, slots, profile.repeat, avoided);
    if (result.refused()) return result;

    progress.setProgressEnabled(true);
    progress.setProgressRange(0, kProgressDone);
    progress.setStatusText(kStatusAnalysing);

    NumberScores scores;
    buildNumberScores(draws, profile.min, profile.max, scores);
    progress.setProgressPosition(kProgressTables);
    PatternStats stats;
    scanPairs(draws, options.pattern, stats);
    progress.setProgressPosition(kProgressPairs);
    scanTriples(draws, options.pattern, stats);
    progress.setProgressPosition(kProgressTriples);

    random_.srand(static_cast<std::uint32_t>(MakeSeed(options.model, wholeMean(draws, lines), profile.max, lines)));
    result.line.slots = chooseAnalysedLine(profile, options, scores, stats, slots, avoided);
    progress.setProgressPosition(kProgressCandidates);
    progress.setProgressPosition(kProgressDone);
    if (profile.bonus > 0 && profile.powerBall) result.line.bonus = drawBetween(random_, profile.min, profile.bonus);

    progress.setStatusText(kStatusReady);
    progress.setProgressPosition(0);
    return result;
}

LineSlots PredictionEngine::chooseAnalysedLine(const LotteryProfile& profile, const Options& options,
                                               const NumberScores& scores, const PatternStats& stats,
                                               const SlotRules& slots, const TakenLines& avoided) {
    const bool adjust = !profile.repeat && options.pattern;
    Candidates candidates;
    for (int round = 0; round < kCandidateRounds; ++round) {
        for (Candidate& candidate : candidates) {
            drawCandidate(random_, profile.min, profile.max, profile.repeat, candidate, slots);
            candidate.score = candidateScore(candidate, profile.balls, scores);
            if (adjust) candidate.score = adjustedScore(candidate, scores, stats);
        }
        const auto chosen = chooseCandidate(candidates, options.moreWeightToLessFrequent, avoided);
        if (chosen) return candidates[*chosen].numbers;
    }
    // The refusal made sure there is one.
    return firstFreeLine(slots, profile.min, profile.max, profile.repeat, avoided).value();
}

PickResult PredictionEngine::RandomLine(const LotteryProfile& profile, std::int64_t clockSeconds,
                                        const PickRules& rules, const TakenLines& taken) {
    PickResult result;
    const SlotRules slots = slotRulesOf(rules, profile.balls);
    const TakenLines& avoided = rules.newLine ? taken : noLines();
    result.refusal = randomLineRefusal(profile);
    if (!result.refused()) result.refusal = rulesRefusal(profile, rules, slots, false, avoided);
    if (result.refused()) return result;

    random_.srand(static_cast<std::uint32_t>(clockSeconds));
    for (int tries = 0; tries < kRandomLineTries; ++tries) {
        drawRandomLine(profile, slots, result.line.slots);
        if (!avoided.holds(result.line.slots)) return result;
    }
    result.line.slots = firstFreeLine(slots, profile.min, profile.max, false, avoided).value();
    return result;
}

void PredictionEngine::drawRandomLine(const LotteryProfile& profile, const SlotRules& slots, LineSlots& line) {
    const auto first = line.begin();
    const auto end = line.begin() + profile.balls;
    for (auto slot = placeFixed(slots, line); slot != end; ++slot) {
        do {
            *slot = drawBetween(random_, profile.min, profile.max);
        } while ((slot == first && *slot > profile.max - profile.balls + 1) || slots.barred[*slot] ||
                 std::find(first, slot, *slot) != slot);
    }
}

std::array<int, PickedLine::kSlotCount> PredictionEngine::SortLine(
    const std::array<int, PickedLine::kSlotCount>& slots, int balls, int max, PickProgress& progress) {
    std::array<int, PickedLine::kSlotCount> sorted;
    sorted.fill(PickedLine::kEmpty);
    const auto inPlay = slots.begin() + std::clamp(balls, 0, PickedLine::kSlotCount);
    progress.setProgressEnabled(true);
    progress.setProgressRange(0, max);
    auto out = sorted.begin();
    for (int value = 0; value <= max && out != sorted.end(); ++value) {
        if (value < max) progress.setProgressPosition(value);
        for (auto slot = slots.begin(); slot != inPlay && out != sorted.end(); ++slot) {
            if (*slot == value) *out++ = value;
        }
    }
    progress.setProgressPosition(0);
    progress.setProgressEnabled(false);
    return sorted;
}

PickResult PredictionEngine::DrawBonus(const LotteryProfile& profile, const PickedLine& line, LineKind kind) {
    PickResult result{line, {}};
    const bool avoidSlots = bonusAvoidsSlots(profile, kind);
    result.refusal = bonusRefusal(profile, line.slots, avoidSlots);
    if (result.refused()) return result;

    int& bonus = result.line.bonus;
    const auto& slots = line.slots;
    if (profile.bonus <= 0) {
        bonus = PickedLine::kEmpty;
    } else if (avoidSlots) {
        do {
            bonus = drawBetween(random_, profile.min, profile.bonus);
        } while (std::find(slots.begin(), slots.end(), bonus) != slots.end());
    } else if (kind == LineKind::Random) {
        bonus = profile.powerBall ? drawBetween(random_, profile.min, profile.bonus) : PickedLine::kEmpty;
    }
    return result;
}

bool PredictionEngine::bonusAvoidsSlots(const LotteryProfile& profile, LineKind kind) {
    return profile.bonus > 0 && profile.showBonus && (kind == LineKind::Random || !profile.powerBall);
}

std::int32_t PredictionEngine::MakeSeed(int model, std::int32_t mean, int max, int lines) {
    const std::int32_t total = wrapped(std::int64_t{mean} + max + std::int64_t{lines} + 1);
    if (model <= 0) return total;
    if (model == 1) return total / 2;
    return total / wrapped(std::int64_t{lines} + 6);
}

std::int32_t PredictionEngine::wholeMean(const DrawList& draws, int lines) {
    // Added up exactly in 64 bits, then taken as a double: the same total as
    // adding up in double precision, which is exact until the sum passes 2^53
    // (millions of fields near the 32-bit limit), and faster.
    std::int64_t sum = 0;
    for (const DrawRecord& draw : draws) {
        for (int field = 0; field < DrawRecord::kNumberCount; ++field) sum += draw.number(field);
    }
    const double total = static_cast<double>(sum);
    const double mean = std::trunc(lines == 0 ? total : total / lines);
    constexpr auto kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(mean, double{kLowest}, double{kHighest}));
}

}  // namespace numora
