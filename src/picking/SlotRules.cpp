#include "picking/SlotRules.h"

#include <algorithm>

namespace numora {

SlotRules slotRulesOf(const PickRules& rules, int balls) {
    SlotRules slots;
    slots.balls = std::clamp(balls, 0, PickedLine::kSlotCount);
    for (int number = 0; number < kBallNumberCount && slots.fixedCount < slots.balls; ++number) {
        if (rules.fixed[number]) slots.fixed[slots.fixedCount++] = number;
    }
    slots.barred = rules.fixed | rules.excluded;
    return slots;
}

LineSlots::iterator placeFixed(const SlotRules& rules, LineSlots& slots) {
    return std::copy_n(rules.fixed.begin(), rules.fixedCount, slots.begin());
}

std::optional<LineSlots> firstFreeLine(const SlotRules& rules, int min, int max, bool repeats,
                                       const TakenLines& taken) {
    std::array<int, kBallNumberCount> numbers{};
    int count = 0;
    for (int number = std::max(min, 0); number <= std::min(max, kBallNumberCount - 1); ++number) {
        if (!rules.barred[number]) numbers[count++] = number;
    }
    const int picked = rules.balls - rules.fixedCount;
    if (picked <= 0 || count == 0 || (!repeats && count < picked)) return std::nullopt;

    // Positions in `numbers` of the picked part, ascending (never falling
    // with repeats); each step makes the next line in number order.
    std::array<int, PickedLine::kSlotCount> at{};
    for (int i = 0; i < picked; ++i) at[i] = repeats ? 0 : i;
    const auto highestAt = [&](int i) { return repeats ? count - 1 : count - picked + i; };
    while (true) {
        LineSlots line;
        line.fill(PickedLine::kEmpty);
        auto slot = placeFixed(rules, line);
        for (int i = 0; i < picked; ++i) *slot++ = numbers[at[i]];
        if (!taken.holds(line)) return line;

        int moved = picked - 1;
        while (moved >= 0 && at[moved] == highestAt(moved)) --moved;
        if (moved < 0) return std::nullopt;
        ++at[moved];
        for (int i = moved + 1; i < picked; ++i) {
            at[i] = repeats ? at[moved] : at[i - 1] + 1;
        }
    }
}

}  // namespace numora
