#pragma once

#include <initializer_list>

#include "settings/PickRules.h"

namespace numora::testing {

// The set of the numbers given.
inline BallSet ballsOf(std::initializer_list<int> numbers) {
    BallSet set;
    for (const int number : numbers) set.set(static_cast<std::size_t>(number));
    return set;
}

}  // namespace numora::testing
