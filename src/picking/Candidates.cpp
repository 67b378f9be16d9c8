#include "picking/Candidates.h"

#include <algorithm>

#include "picking/RandomDraw.h"

namespace numora {

void drawCandidate(CrtRandom& random, int min, int max, bool repeat, Candidate& candidate) {
    auto& numbers = candidate.numbers;
    for (auto slot = numbers.begin(); slot != numbers.end(); ++slot) {
        do {
            *slot = drawBetween(random, min, max);
        } while (!repeat && std::find(numbers.begin(), slot, *slot) != slot);
    }
}

int candidateScore(const Candidate& candidate, int balls, const NumberScores& scores) {
    int score = 0;
    for (int i = 0; i < std::max(balls, 3) && i < PickedLine::kSlotCount; ++i) {
        score += scores.score[candidate.numbers[i]];
    }
    return score;
}

int adjustedScore(const Candidate& candidate, const NumberScores& scores, const PatternStats& stats) {
    int score = candidate.score;
    const auto& numbers = candidate.numbers;
    const auto step = std::adjacent_find(numbers.begin(), numbers.end(), [&scores](int number, int next) {
        return scores.score[next] == scores.score[number] + 1;
    });
    if (stats.meanPairGap > 0 && step != numbers.end()) score = score - stats.meanPairGap + stats.drawsSincePair;
    if (stats.meanTripleGap > 0) score = score - stats.meanTripleGap + stats.drawsSinceTriple;
    return score;
}

std::size_t chooseCandidate(const Candidates& candidates, bool weight) {
    if (weight) return 0;
    const auto best = std::max_element(candidates.begin(), candidates.end(),
                                       [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
    return static_cast<std::size_t>(best - candidates.begin());
}

}  // namespace numora
