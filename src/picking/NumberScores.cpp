#include "picking/NumberScores.h"

namespace numora {

void buildNumberScores(const DrawList& draws, int min, int max, NumberScores& scores, CountedFields fields) {
    constexpr int kNever = -1;
    std::array<int, NumberScores::kSize> lastPosition;
    lastPosition.fill(kNever);
    scores = NumberScores{};

    int position = 0;
    for (const DrawRecord& draw : draws) {
        for (int field = fields.first; field < fields.end; ++field) {
            const int number = draw.number(field);
            if (number < min || number > max) continue;
            ++scores.count[number];
            lastPosition[number] = position;
        }
        ++position;
    }

    const int drawCount = position;
    for (int number = min; number <= max; ++number) {
        const int last = lastPosition[number];
        scores.recency[number] = last == kNever ? drawCount + 1 : drawCount - last;
        scores.score[number] = scores.count[number] + scores.recency[number] - 2;
    }
}

}  // namespace numora
