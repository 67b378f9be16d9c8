#include "picking/PickFlow.h"

namespace numora {

PickResult makePick(PredictionEngine& engine, const PickRequest& request, PickProgress& progress) {
    const LotteryProfile& profile = request.profile;
    PickResult made = request.kind == LineKind::Random
                          ? engine.RandomLine(profile, request.clockSeconds)
                          : engine.PredictLine(profile, request.draws, request.options, request.lines, progress);
    if (made.refused()) return made;
    if (profile.sort) {
        made.line.slots = PredictionEngine::SortLine(made.line.slots, profile.balls, profile.max, progress);
    }
    return engine.DrawBonus(profile, made.line, request.kind);
}

}  // namespace numora
