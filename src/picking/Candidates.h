#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "picking/NumberScores.h"
#include "picking/PatternStats.h"
#include "picking/PickedLine.h"
#include "picking/SlotRules.h"
#include "platform/CrtRandom.h"

namespace numora {

// One candidate line of an analysis: seven numbers, all drawn whatever the
// lottery's ball count, and its score.
struct Candidate {
    std::array<int, PickedLine::kSlotCount> numbers{};
    int score = 0;
};

inline constexpr std::size_t kCandidateCount = 100;
using Candidates = std::array<Candidate, kCandidateCount>;

// Draws the seven numbers in [min, max]; without repeat each is redrawn while
// it equals an earlier one, so max - min + 1 must be at least 7 then. With
// slot rules the fixed numbers come first, undrawn, and a number drawn for a
// slot in play is also redrawn while it is barred.
void drawCandidate(CrtRandom& random, int min, int max, bool repeat, Candidate& candidate,
                   const SlotRules& rules = {});

// The sum of the scores of the first balls numbers (at least three).
int candidateScore(const Candidate& candidate, int balls, const NumberScores& scores);

// The pattern adjustments, made only when numbers may not repeat and pattern
// prediction is on: a candidate with a step (two neighbouring numbers, among
// all seven, whose scores differ by exactly +1) loses the mean pair gap and
// gains the draws since a pair, when the mean pair gap is above 0; then every
// candidate loses the mean triple gap and gains the draws since a triple, when
// the mean triple gap is above 0.
int adjustedScore(const Candidate& candidate, const NumberScores& scores, const PatternStats& stats);

// The position of the chosen candidate among those whose line is not taken:
// the first generated when weight is set, otherwise the first whose score
// equals the highest. nullopt when every candidate's line is taken.
std::optional<std::size_t> chooseCandidate(const Candidates& candidates, bool weight,
                                           const TakenLines& taken = {});

}  // namespace numora
