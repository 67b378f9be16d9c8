#pragma once

#include <cstdint>
#include <vector>

#include "wheels/Subsets.h"

namespace numora::wheels {

// A ticket as a check sees it: its places, and how many of them a drawn set
// must hold for the ticket to cover it (the match, less the key numbers the
// ticket holds, which are assumed drawn).
struct CheckedTicket {
    PlaceSet places = 0;
    int match = 0;
};

// How many sets of each size from 0 to maxSize, out of `points` places, some
// ticket covers (element s counts the sets of size s).
//
// Every set is counted, none is assumed: the sets are walked in ascending
// order, place by place, and a set that a ticket already covers has all its
// extensions counted at once by a binomial coefficient. A set is extended only
// while no ticket covers it, and the places that would complete it are known
// from the tickets' (match - 1)-subsets, so the work follows the sets that are
// still uncovered, not all sets.
std::vector<std::uint64_t> coveredSetCounts(int points, const std::vector<CheckedTicket>& tickets, int maxSize);

// The same when every ticket needs `match` places.
std::vector<std::uint64_t> coveredSetCounts(int points, const std::vector<PlaceSet>& tickets, int match,
                                            int maxSize);

}  // namespace numora::wheels
