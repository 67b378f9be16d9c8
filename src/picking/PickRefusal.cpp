#include "picking/PickRefusal.h"

#include <algorithm>

namespace numora {

namespace {

bool profileInRange(const LotteryProfile& profile) {
    return profile.balls >= 3 && profile.balls <= PickedLine::kSlotCount && profile.min >= 0 && profile.min <= 1 &&
           profile.max >= 3 && profile.max <= 99 && profile.bonus >= 0 && profile.bonus <= 99;
}

int numbersInRange(const LotteryProfile& profile) { return profile.max - profile.min + 1; }

}  // namespace

std::string_view analysedLineRefusal(const LotteryProfile& profile) {
    if (!profileInRange(profile)) return kRefusalProfileOutOfRange;
    if (!profile.repeat && numbersInRange(profile) < PickedLine::kSlotCount) return kRefusalTooFewForCandidates;
    return {};
}

std::string_view randomLineRefusal(const LotteryProfile& profile) {
    if (!profileInRange(profile)) return kRefusalProfileOutOfRange;
    if (numbersInRange(profile) < profile.balls) return kRefusalTooFewForLine;
    return {};
}

std::string_view bonusRefusal(const LotteryProfile& profile,
                              const std::array<int, PickedLine::kSlotCount>& slots, bool avoidSlots) {
    if (!profileInRange(profile)) return kRefusalProfileOutOfRange;
    if (!avoidSlots) return {};
    for (int number = profile.min; number <= profile.bonus; ++number) {
        if (std::find(slots.begin(), slots.end(), number) == slots.end()) return {};
    }
    return kRefusalNoFreeBonus;
}

}  // namespace numora
