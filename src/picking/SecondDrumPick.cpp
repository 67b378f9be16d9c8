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

void putDrumNumbers(const LotteryProfile& profile, const Candidate& chosen, PickedLine& line) {
    const SlotIndexes drum = secondDrumIndexes(profile);
    const int count = drum.end - drum.first;
    const auto numbers = chosen.numbers.begin();
    const auto slots = line.slots.begin() + drum.first;
    std::copy(numbers, numbers + count, slots);
    if (profile.sort) std::sort(slots, slots + count);
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

void drawSecondDrum(CrtRandom& random, const LotteryProfile& profile, PickedLine& line) {
    if (!hasSecondDrum(profile)) return;
    const SlotIndexes drum = secondDrumIndexes(profile);
    Candidate drawn;
    drawDrumNumbers(random, secondDrumRange(profile), drum.end - drum.first, drawn);
    putDrumNumbers(profile, drawn, line);
}

void pickSecondDrum(CrtRandom& random, const PickRequest& request, PickedLine& line) {
    const LotteryProfile& profile = request.profile;
    if (request.kind == LineKind::Random) {
        drawSecondDrum(random, profile, line);
        return;
    }
    const NumberRange range = secondDrumRange(profile);
    const SlotIndexes drum = secondDrumIndexes(profile);
    const int count = drum.end - drum.first;
    Candidates candidates;
    NumberScores scores;
    buildNumberScores(request.draws, range.low, range.high, scores, {drum.first, drum.end});
    for (Candidate& candidate : candidates) {
        drawDrumNumbers(random, range, count, candidate);
        candidate.score = 0;
        for (int i = 0; i < count; ++i) candidate.score += scores.score[candidate.numbers[i]];
    }
    // No line is taken here, so a candidate is always chosen.
    const std::size_t chosen = chooseCandidate(candidates, request.options.moreWeightToLessFrequent).value_or(0);
    putDrumNumbers(profile, candidates[chosen], line);
}

}  // namespace numora
