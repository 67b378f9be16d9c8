#pragma once

#include <optional>

#include "picking/TakenLines.h"
#include "settings/PickRules.h"

namespace numora {

// What the pick rules ask of the slots of a line: the fixed numbers fill its
// first slots in ascending order, and none of its other first Balls slots
// holds a barred number (a fixed or an excluded one). The slots past Balls
// are left to the engine. Without rules nothing is fixed or barred.
struct SlotRules {
    LineSlots fixed{};
    int fixedCount = 0;
    BallSet barred;
    int balls = 0;  // the slots in play
};

SlotRules slotRulesOf(const PickRules& rules, int balls);

// Places the fixed numbers in the first slots; returns the slot after them.
LineSlots::iterator placeFixed(const SlotRules& rules, LineSlots& slots);

// The first line in number order that a pick by the slot rules can make and
// the taken lines do not hold: the fixed numbers, then the rest of its Balls
// numbers ascending, from Min to Max and not barred, all different unless
// `repeats`; the slots past Balls hold -1. nullopt when the taken lines hold
// every such line. It looks at no more lines than are taken, and one more.
std::optional<LineSlots> firstFreeLine(const SlotRules& rules, int min, int max, bool repeats,
                                       const TakenLines& taken);

}  // namespace numora
