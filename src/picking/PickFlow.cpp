#include "picking/PickFlow.h"

#include "picking/SecondDrumPick.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

// The line of the main balls, sorted when the lottery sorts, with its bonus.
PickResult makeMainLine(PredictionEngine& engine, const PickRequest& request, const DrawList& draws,
                        PickProgress& progress) {
    const LotteryProfile& profile = request.profile;
    PickResult made = request.kind == LineKind::Random
                          ? engine.RandomLine(profile, request.clockSeconds)
                          : engine.PredictLine(profile, draws, request.options, request.lines, progress);
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

}  // namespace numora
