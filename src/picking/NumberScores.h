#pragma once

#include <array>

#include "draws/DrawList.h"

namespace numora {

// How often and how recently each ball number was drawn, indexed by the
// number itself (0 to 100); only Min to Max are filled, the rest hold 0.
//   count[k]    how many of the eight number fields of all draws equal k
//   recency[k]  N - j for the last draw j holding k: 1 when the most recent
//               draw holds it, N when only the first does, and N + 1 when no
//               draw holds it (older than every draw)
//   score[k]    count[k] + recency[k] - 2
struct NumberScores {
    static constexpr int kSize = 101;

    std::array<int, kSize> count{};
    std::array<int, kSize> recency{};
    std::array<int, kSize> score{};
};

// Which number fields of a draw are counted: from `first` up to, not
// including, `end` (DrawRecord::number's indexes).
struct CountedFields {
    int first = 0;
    int end = DrawRecord::kNumberCount;
};

// Fills scores in one pass over the draws, counting the given fields (all
// eight unless told otherwise); a draw whose counted fields hold no number
// still counts as a draw. Fields outside min to max are not counted. min and
// max must lie in 0 to 100.
void buildNumberScores(const DrawList& draws, int min, int max, NumberScores& scores, CountedFields fields = {});

}  // namespace numora
