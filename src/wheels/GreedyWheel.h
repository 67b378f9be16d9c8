#pragma once

#include <cstddef>
#include <functional>

#include "wheels/CoverState.h"

namespace numora::wheels {

// Adds tickets until every drawn set is covered or the state holds `limit`
// tickets. Each ticket starts from `match` places of the uncovered drawn set
// of lowest rank and grows, place by place, by the place that newly covers
// the most uncovered drawn sets (the lowest place of equals). False when
// `stop` said so before the end.
bool addGreedyTickets(CoverState& state, std::size_t limit, const std::function<bool()>& stop);

}  // namespace numora::wheels
