#pragma once

#include <initializer_list>

#include "picking/PickingTestData.h"
#include "picking/PickedLine.h"
#include "settings/LotteryProfile.h"

namespace numora::testing {

inline const LotteryProfile kLotto649{"Lotto 649", 6, 1, 49, 49, false, true, false, true};
// Three digits from 0 to 9 that may repeat, no bonus.
inline const LotteryProfile kPick3{"Pick 3", 3, 0, 9, 0, true, false, false, false};

inline PickedLine lineOf(std::initializer_list<int> numbers, int bonus = PickedLine::kEmpty) {
    PickedLine line;
    std::size_t slot = 0;
    for (const int number : numbers) line.slots[slot++] = number;
    line.bonus = bonus;
    return line;
}

}  // namespace numora::testing
