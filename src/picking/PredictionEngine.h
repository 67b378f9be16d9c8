#pragma once

#include <array>
#include <cstdint>

#include "draws/DrawList.h"
#include "picking/NumberScores.h"
#include "picking/PatternStats.h"
#include "picking/PickedLine.h"
#include "picking/SlotRules.h"
#include "picking/TakenLines.h"
#include "platform/CrtRandom.h"
#include "platform/PickProgress.h"
#include "settings/LotteryProfile.h"
#include "settings/Options.h"

namespace numora {

// How the line of a pick was made; the bonus rules differ between the two.
enum class LineKind { Analysed, Random };

// Computes the numbers of one pick. The engine keeps nothing between picks but
// the generator it is given: every table is rebuilt and the generator reseeded
// at each pick, so the same inputs give the same line on every platform. The
// tables and the candidates are fixed-size arrays on the stack; a pick
// allocates nothing.
//
// A profile that cannot give a line (see PickRefusal.h) is refused before any
// number is drawn; the result then carries the reason and no numbers.
//
// The pick rules act inside the engine's own choice: the fixed numbers take
// the first slots, the rest of the line's balls are drawn as ever but never
// a fixed or an excluded number, and with a new line each Pick a line the
// taken lines hold is passed over for the next best. Without rules every
// draw is as it is without them.
class PredictionEngine {
public:
    static constexpr char kStatusAnalysing[] = "Analysing!";
    static constexpr char kStatusReady[] = "Ready.";
    // Progress of an analysis, from 0 to kProgressDone.
    static constexpr int kProgressTables = 10;
    static constexpr int kProgressPairs = 15;
    static constexpr int kProgressTriples = 20;
    static constexpr int kProgressCandidates = 23;
    static constexpr int kProgressDone = 25;

    explicit PredictionEngine(CrtRandom& random) : random_(random) {}

    // The generator, where the last draw left it.
    CrtRandom& generator() { return random_; }
    // How many rounds of 100 candidates, and how many random lines, are drawn
    // at most for a new line before the first free line in number order is
    // taken instead.
    static constexpr int kCandidateRounds = 1000;
    static constexpr int kRandomLineTries = 100000;

    // The analysed line: scores every number by frequency and recency over the
    // draws, seeds the generator by the forecasting model from the draws and
    // the pick-list line count (lines, at least 0), scores 100 random candidate
    // lines and takes the best. The bonus slot holds the PowerBall draw, or -1.
    // With a new line each Pick, the best candidate whose line is not taken;
    // when all 100 are taken, 100 more are drawn from the same generator.
    PickResult PredictLine(const LotteryProfile& profile, const DrawList& draws, const Options& options, int lines,
                           PickProgress& progress, const PickRules& rules = {}, const TakenLines& taken = {});

    // A line of Balls different numbers from the generator seeded with the
    // clock (seconds since 1970); s1 is never above Max - Balls + 1. The other
    // slots and the bonus are -1. With a new line each Pick, a line that is
    // taken is drawn again.
    PickResult RandomLine(const LotteryProfile& profile, std::int64_t clockSeconds, const PickRules& rules = {},
                          const TakenLines& taken = {});

    // The first balls slots in ascending order, then -1; numbers below 0 or
    // above max are dropped, a number held twice stays twice.
    static std::array<int, PickedLine::kSlotCount> SortLine(const std::array<int, PickedLine::kSlotCount>& slots,
                                                            int balls, int max, PickProgress& progress);

    // The line with the bonus of the pick, once its slots are final. For an
    // analysed line, line.bonus is the bonus slot PredictLine returned.
    PickResult DrawBonus(const LotteryProfile& profile, const PickedLine& line, LineKind kind);

    // Whether DrawBonus draws the bonus apart from the seven slots (a shown
    // bonus that is not an analysed line's PowerBall); otherwise any number
    // from Min to the highest bonus may come.
    static bool bonusAvoidsSlots(const LotteryProfile& profile, LineKind kind);

    // The seed for a whole mean, the highest ball and the pick-list line count
    // (at least 0): T = mean + max + (lines + 1) in 32-bit arithmetic; model 0
    // or less gives T, 1 gives T / 2, 2 or more gives T / (lines + 6).
    static std::int32_t MakeSeed(int model, std::int32_t mean, int max, int lines);

    // The whole number for the mean of the draws: the sum of all eight fields
    // of every draw, divided by lines, truncated toward zero (and held to the
    // 32-bit range). With no lines the sum itself, as if one line were listed.
    static std::int32_t wholeMean(const DrawList& draws, int lines);

private:
    // The best candidate line that is not taken, round after round.
    LineSlots chooseAnalysedLine(const LotteryProfile& profile, const Options& options, const NumberScores& scores,
                                 const PatternStats& stats, const SlotRules& slots, const TakenLines& avoided);
    // One random line by the slot rules: s1, when drawn, is never above
    // Max - Balls + 1, and the numbers are all different.
    void drawRandomLine(const LotteryProfile& profile, const SlotRules& slots, LineSlots& line);

    CrtRandom& random_;
};

}  // namespace numora
