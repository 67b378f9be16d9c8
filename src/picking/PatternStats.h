#pragma once

#include "draws/DrawList.h"

namespace numora {

// Runs of consecutive ascending numbers among the seven balls of the past
// draws (the bonus takes no part). A pair find is the end of a run of two or
// more; a triple find is each place where three numbers run, so a run of four
// holds two. The scans stop at kPairCap and kTripleCap finds.
struct PatternStats {
    static constexpr int kPairCap = 49;
    static constexpr int kTripleCap = 50;

    int pairFinds = 0;
    int lastPairPosition = 0;
    int meanPairGap = 0;
    int drawsSincePair = 0;
    int tripleFinds = 0;
    int lastTriplePosition = 0;
    int meanTripleGap = 0;
    int drawsSinceTriple = 0;

    friend bool operator==(const PatternStats&, const PatternStats&) = default;
};

// Fills the pair fields. The mean pair gap is only worked out when pattern is
// set (it is 0 otherwise).
void scanPairs(const DrawList& draws, bool pattern, PatternStats& stats);

// Fills the triple fields; without pattern there are no finds, the draws since
// a triple are N and the mean gap is 0.
void scanTriples(const DrawList& draws, bool pattern, PatternStats& stats);

}  // namespace numora
