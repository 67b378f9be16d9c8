#pragma once

#include "draws/DrawList.h"
#include "picking/PickFlow.h"

namespace numora {

// The draws as the main balls of a lottery with a second drum see them: the
// second drum's slots hold 0, as slots not in play do in a typed draw, so its
// numbers count neither as balls nor in the runs of the pattern scans.
DrawList drawsWithoutSecondDrum(const DrawList& draws, const LotteryProfile& profile);

// Puts the second drum's numbers of a pick into the slots after its balls
// (Balls+1 to Balls+Drum2), drawn from the generator where the main line and
// its bonus left it. An analysed pick scores each number of the drum over the
// second drum's slots of the draws as the main balls are scored (how often,
// plus how many draws ago, minus 2), draws kCandidateCount candidates of
// Drum2 different numbers from the drum's range and takes the best (the first
// when the weight flag is set); a random pick takes one such candidate as it
// comes. The numbers are sorted when the lottery sorts. The profile must have
// a good second drum (secondDrumProblem).
void pickSecondDrum(CrtRandom& random, const PickRequest& request, PickedLine& line);

// Puts random numbers of the lottery's second drum into the line's slots after
// its balls, as a random pick does; nothing for a lottery without one.
void drawSecondDrum(CrtRandom& random, const LotteryProfile& profile, PickedLine& line);

}  // namespace numora
