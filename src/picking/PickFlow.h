#pragma once

#include <cstdint>

#include "draws/DrawList.h"
#include "picking/PredictionEngine.h"

namespace numora {

// What one Pick works from.
struct PickRequest {
    const LotteryProfile& profile;
    const DrawList& draws;
    const Options& options;
    int lines;                  // lines in the pick list when the analysis runs
    LineKind kind;              // random mode makes a random line
    std::int64_t clockSeconds;  // seeds a random line
};

// The numbers of one Pick, as the main window makes them: the analysed or the
// random line, sorted when the lottery sorts, then its bonus. The window's own
// status texts around it are the window's. A lottery with a second drum gets
// its main balls and bonus exactly as a lottery of that many balls would, from
// the draws with the second drum's slots read as not in play, then the second
// drum's numbers (SecondDrumPick.h).
PickResult makePick(PredictionEngine& engine, const PickRequest& request, PickProgress& progress);

}  // namespace numora
