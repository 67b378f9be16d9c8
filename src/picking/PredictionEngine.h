#pragma once

#include <array>
#include <cstdint>

#include "draws/DrawList.h"
#include "picking/PickedLine.h"
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

    // The analysed line: scores every number by frequency and recency over the
    // draws, seeds the generator by the forecasting model from the draws and
    // the pick-list line count (lines, at least 0), scores 100 random candidate
    // lines and takes the best. The bonus slot holds the PowerBall draw, or -1.
    PickResult PredictLine(const LotteryProfile& profile, const DrawList& draws, const Options& options, int lines,
                           PickProgress& progress);

    // A line of Balls different numbers from the generator seeded with the
    // clock (seconds since 1970); s1 is never above Max - Balls + 1. The other
    // slots and the bonus are -1.
    PickResult RandomLine(const LotteryProfile& profile, std::int64_t clockSeconds);

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
    CrtRandom& random_;
};

}  // namespace numora
