#pragma once

#include <cstdint>
#include <vector>

#include "wheels/Subsets.h"
#include "wheels/WheelRequest.h"

namespace numora::wheels {

// A wheel as the search sees it: tickets of `ticketSize` places out of
// `points`, such that every set of `ifDrawn` places meets a ticket in at least
// `match` places. The key numbers are taken out: they are in every ticket and
// assumed drawn, so each lowers the ticket size, the match and the if by one.
// A match of 0 or less is met by any ticket.
struct Design {
    int points = 0;
    int ticketSize = 0;
    int match = 0;
    int ifDrawn = 0;

    friend bool operator==(const Design&, const Design&) = default;
};

// The design of a request for a lottery of `balls` main balls. Its places
// are the pool's numbers that are not key numbers, in ascending order.
Design designOf(const WheelRequest& request, int balls);

// The pool's numbers that are not key numbers, place by place.
std::vector<int> placeNumbers(const WheelRequest& request);

// A ticket's numbers, ascending: its places' numbers and the key numbers.
std::vector<int> ticketNumbers(PlaceSet ticket, const std::vector<int>& places, const std::vector<int>& keys);

// The fewest tickets any wheel of the design can have: Schönheim's bound for
// a covering design; for a lotto design the larger of the counting bound
// (every ticket meets at most so many of the drawn sets) and, for a match of
// 2, Turán's bound on the pairs the tickets must hold; exact for a match of 1.
std::uint64_t lowerBound(const Design& design);

}  // namespace numora::wheels
