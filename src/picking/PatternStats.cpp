#include "picking/PatternStats.h"

#include <cstdint>

namespace numora {

namespace {

// Whether ball n + 1 follows ball n (compared in 64 bits, so a stored
// 2147483647 cannot overflow).
bool follows(const DrawRecord& draw, int n) {
    return static_cast<std::int64_t>(draw.ball(n + 1)) == static_cast<std::int64_t>(draw.ball(n)) + 1;
}

int drawCount(const DrawList& draws) { return static_cast<int>(draws.size()); }

}  // namespace

void scanPairs(const DrawList& draws, bool pattern, PatternStats& stats) {
    stats.pairFinds = 0;
    stats.lastPairPosition = 0;
    int position = 0;
    for (auto draw = draws.begin(); draw != draws.end() && stats.pairFinds < PatternStats::kPairCap;
         ++draw, ++position) {
        for (int n = 1; n <= DrawRecord::kBallCount - 1 && stats.pairFinds < PatternStats::kPairCap; ++n) {
            const bool runEndsHere = n == DrawRecord::kBallCount - 1 || !follows(*draw, n + 1);
            if (follows(*draw, n) && runEndsHere) {
                ++stats.pairFinds;
                stats.lastPairPosition = position;
            }
        }
    }
    stats.drawsSincePair =
        stats.pairFinds == PatternStats::kPairCap ? 0 : drawCount(draws) - stats.lastPairPosition;
    stats.meanPairGap = pattern && stats.pairFinds > 0 ? stats.lastPairPosition / stats.pairFinds : 0;
}

void scanTriples(const DrawList& draws, bool pattern, PatternStats& stats) {
    stats.tripleFinds = 0;
    stats.lastTriplePosition = 0;
    int position = 0;
    if (pattern) {
        for (auto draw = draws.begin(); draw != draws.end() && stats.tripleFinds < PatternStats::kTripleCap;
             ++draw, ++position) {
            for (int n = 1; n <= DrawRecord::kBallCount - 2 && stats.tripleFinds < PatternStats::kTripleCap; ++n) {
                if (follows(*draw, n) && follows(*draw, n + 1)) {
                    ++stats.tripleFinds;
                    stats.lastTriplePosition = position;
                }
            }
        }
    }
    stats.drawsSinceTriple =
        stats.tripleFinds == PatternStats::kTripleCap ? 0 : drawCount(draws) - stats.lastTriplePosition;
    stats.meanTripleGap =
        stats.lastTriplePosition > stats.tripleFinds ? stats.lastTriplePosition / stats.tripleFinds : 0;
}

}  // namespace numora
