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
    PickRules rules = {};       // the lottery's pick rules
    // The lines in the pick list, which a new line each Pick avoids; none
    // when not given.
    const TakenLines* taken = nullptr;
};

// The numbers of one Pick, as the main window makes them: the analysed or the
// random line, sorted when the lottery sorts, then its bonus. The window's own
// status texts around it are the window's. A lottery with a second drum gets
// its main balls and bonus exactly as a lottery of that many balls would, from
// the draws with the second drum's slots read as not in play, then the second
// drum's numbers (SecondDrumPick.h).
PickResult makePick(PredictionEngine& engine, const PickRequest& request, PickProgress& progress);

// The lines of a pick list that analysed picks by the request's rules fill,
// one after another from an empty list, until it holds request.lines: what
// the main window's list holds before its next pick, for a pick made without
// a window. A refusal of one of them ends them.
struct ListedPicks {
    TakenLines lines;
    std::string_view refusal;
};
ListedPicks picksBefore(PredictionEngine& engine, const PickRequest& request, PickProgress& progress);

}  // namespace numora
