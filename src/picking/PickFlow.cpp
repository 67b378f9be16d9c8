#include "picking/PickFlow.h"

#include "picking/SecondDrumPick.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

// The line of the main balls, sorted when the lottery sorts, with its bonus.
PickResult makeMainLine(PredictionEngine& engine, const PickRequest& request, const DrawList& draws,
                        PickProgress& progress) {
    const LotteryProfile& profile = request.profile;
    const TakenLines none;
    const TakenLines& taken = request.taken ? *request.taken : none;
    PickResult made = request.kind == LineKind::Random
                          ? engine.RandomLine(profile, request.clockSeconds, request.rules, taken)
                          : engine.PredictLine(profile, draws, request.options, request.lines, progress,
                                               request.rules, taken);
    if (made.refused()) return made;
    if (profile.sort) {
        made.line.slots = PredictionEngine::SortLine(made.line.slots, profile.balls, profile.max, progress);
    }
    return engine.DrawBonus(profile, made.line, request.kind);
}

}  // namespace

PickResult makePick(PredictionEngine& engine, const PickRequest& request, PickProgress& progress) {
    if (!hasSecondDrum(request.profile)) return makeMainLine(engine, request, request.draws, progress);
    const bool analysed = request.kind == LineKind::Analysed;
    const DrawList mainDraws = analysed ? drawsWithoutSecondDrum(request.draws, request.profile) : DrawList{};
    PickResult made = makeMainLine(engine, request, mainDraws, progress);
    if (!made.refused()) pickSecondDrum(engine.generator(), request, made.line);
    return made;
}

ListedPicks picksBefore(PredictionEngine& engine, const PickRequest& request, PickProgress& progress) {
    ListedPicks listed{TakenLines(request.profile.balls), {}};
    PickRequest earlier = request;
    earlier.kind = LineKind::Analysed;
    earlier.taken = &listed.lines;
    for (earlier.lines = 0; earlier.lines < request.lines; ++earlier.lines) {
        const PickResult pick = makePick(engine, earlier, progress);
        if (pick.refused()) {
            listed.refusal = pick.refusal;
            break;
        }
        listed.lines.add(pick.line.slots);
    }
    return listed;
}

}  // namespace numora
