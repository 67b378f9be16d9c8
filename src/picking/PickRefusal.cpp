#include "picking/PickRefusal.h"

#include <algorithm>

#include "picking/NumberScores.h"
#include "settings/ProfileFields.h"

namespace numora {

namespace {

// A profile within the editor's limits fits the engine's slots and tables.
static_assert(kBallsLimits.highest <= PickedLine::kSlotCount);
static_assert(kLowestBallLimits.lowest >= 0 && kHighestBallLimits.highest < NumberScores::kSize);

int numbersInRange(const LotteryProfile& profile) { return profile.max - profile.min + 1; }

}  // namespace

std::string_view analysedLineRefusal(const LotteryProfile& profile) {
    if (!profileWithinLimits(profile)) return kRefusalProfileOutOfRange;
    if (!profile.repeat && numbersInRange(profile) < PickedLine::kSlotCount) return kRefusalTooFewForCandidates;
    return {};
}

std::string_view randomLineRefusal(const LotteryProfile& profile) {
    if (!profileWithinLimits(profile)) return kRefusalProfileOutOfRange;
    if (numbersInRange(profile) < profile.balls) return kRefusalTooFewForLine;
    return {};
}

std::string_view rulesRefusal(const LotteryProfile& profile, const PickRules& rules, const SlotRules& slots,
                              bool repeats, const TakenLines& avoided) {
    if (pickRulesProblem(rules, profile) != PickRulesProblem::None) return kRefusalRulesDoNotFit;
    if (!avoided.empty() && !firstFreeLine(slots, profile.min, profile.max, repeats, avoided)) {
        return kRefusalEveryLineTaken;
    }
    return {};
}

std::string_view bonusRefusal(const LotteryProfile& profile,
                              const std::array<int, PickedLine::kSlotCount>& slots, bool avoidSlots) {
    if (!profileWithinLimits(profile)) return kRefusalProfileOutOfRange;
    if (!avoidSlots) return {};
    for (int number = profile.min; number <= profile.bonus; ++number) {
        if (std::find(slots.begin(), slots.end(), number) == slots.end()) return {};
    }
    return kRefusalNoFreeBonus;
}

}  // namespace numora
