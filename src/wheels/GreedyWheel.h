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

// About how many drawn sets addGreedyTickets looks at to grow this many
// tickets: for each place a ticket takes, every place it could take, with the
// drawn sets that place would newly cover.
std::uint64_t greedyWork(const Design& design, std::uint64_t tickets);

}  // namespace numora::wheels
