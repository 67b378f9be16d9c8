#include "picking/Candidates.h"

#include <algorithm>

#include "picking/RandomDraw.h"

namespace numora {

void drawCandidate(CrtRandom& random, int min, int max, bool repeat, Candidate& candidate, const SlotRules& rules) {
    auto& numbers = candidate.numbers;
    const auto inPlay = numbers.begin() + rules.balls;
    for (auto slot = placeFixed(rules, numbers); slot != numbers.end(); ++slot) {
        do {
            *slot = drawBetween(random, min, max);
        } while ((!repeat && std::find(numbers.begin(), slot, *slot) != slot) ||
                 (slot < inPlay && rules.barred[*slot]));
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

std::optional<std::size_t> chooseCandidate(const Candidates& candidates, bool weight, const TakenLines& taken) {
    std::optional<std::size_t> chosen;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (taken.holds(candidates[i].numbers)) continue;
        if (weight) return i;
        if (!chosen || candidates[i].score > candidates[*chosen].score) chosen = i;
    }
    return chosen;
}

}  // namespace numora
