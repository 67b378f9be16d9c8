#include "picking/SecondDrumPick.h"

#include <algorithm>

#include "picking/Candidates.h"
#include "picking/NumberScores.h"
#include "picking/RandomDraw.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

void drawDrumNumbers(CrtRandom& random, NumberRange range, int count, Candidate& candidate) {
    const auto first = candidate.numbers.begin();
    for (auto slot = first; slot != first + count; ++slot) {
        do {
            *slot = drawBetween(random, range.low, range.high);
        } while (std::find(first, slot, *slot) != slot);
    }
}

}  // namespace

DrawList drawsWithoutSecondDrum(const DrawList& draws, const LotteryProfile& profile) {
    DrawList main = draws;
    const SlotIndexes drum = secondDrumIndexes(profile);
    for (DrawRecord& draw : main.records()) {
        for (int slot = drum.first; slot < drum.end; ++slot) draw.number(slot) = 0;
    }
    return main;
}

void pickSecondDrum(CrtRandom& random, const PickRequest& request, PickedLine& line) {
    const LotteryProfile& profile = request.profile;
    const NumberRange range = secondDrumRange(profile);
    const SlotIndexes drum = secondDrumIndexes(profile);
    const int count = drum.end - drum.first;
    Candidates candidates;
    std::size_t chosen = 0;
    if (request.kind == LineKind::Random) {
        drawDrumNumbers(random, range, count, candidates.front());
    } else {
        NumberScores scores;
        buildNumberScores(request.draws, range.low, range.high, scores, {drum.first, drum.end});
        for (Candidate& candidate : candidates) {
            drawDrumNumbers(random, range, count, candidate);
            candidate.score = 0;
            for (int i = 0; i < count; ++i) candidate.score += scores.score[candidate.numbers[i]];
        }
        chosen = chooseCandidate(candidates, request.options.moreWeightToLessFrequent);
    }
    const auto numbers = candidates[chosen].numbers.begin();
    const auto slots = line.slots.begin() + drum.first;
    std::copy(numbers, numbers + count, slots);
    if (profile.sort) std::sort(slots, slots + count);
}

}  // namespace numora
