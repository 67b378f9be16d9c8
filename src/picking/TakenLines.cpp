#include "picking/TakenLines.h"

#include <algorithm>

#include "picking/LineText.h"

namespace numora {

TakenLines::TakenLines(int balls) : balls_(std::clamp(balls, 0, PickedLine::kSlotCount)) {}

TakenLines TakenLines::fromListLines(const std::vector<std::string>& lines, const LotteryProfile& profile) {
    TakenLines taken(profile.balls);
    for (const std::string& text : lines) {
        if (const auto line = readLineText(text, profile)) taken.add(line->slots);
    }
    return taken;
}

void TakenLines::add(const LineSlots& slots) { keys_.insert(keyOf(slots)); }

bool TakenLines::holds(const LineSlots& slots) const { return !keys_.empty() && keys_.count(keyOf(slots)) != 0; }

LineSlots TakenLines::keyOf(const LineSlots& slots) const {
    LineSlots key;
    key.fill(PickedLine::kEmpty);
    std::copy(slots.begin(), slots.begin() + balls_, key.begin());
    std::sort(key.begin(), key.end());
    return key;
}

}  // namespace numora
