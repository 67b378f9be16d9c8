#include "wheels/Design.h"

#include <algorithm>

namespace numora::wheels {

namespace {

std::uint64_t ceilDivide(std::uint64_t numerator, std::uint64_t denominator) {
    return (numerator + denominator - 1) / denominator;
}

// L(v, k, t) = ceil(v/k ceil((v-1)/(k-1) ... ceil((v-t+1)/(k-t+1)))).
std::uint64_t schoenheimBound(int points, int ticketSize, int match) {
    std::uint64_t bound = 1;
    for (int i = match - 1; i >= 0; --i) {
        bound = ceilDivide(static_cast<std::uint64_t>(points - i) * bound, static_cast<std::uint64_t>(ticketSize - i));
    }
    return bound;
}

// Every drawn set must meet a ticket in `match` places; one ticket meets at
// most this many of them.
std::uint64_t countingBound(const Design& design) {
    std::uint64_t perTicket = 0;
    for (int common = design.match; common <= std::min(design.ticketSize, design.ifDrawn); ++common) {
        perTicket += choose(design.ticketSize, common) *
                     choose(design.points - design.ticketSize, design.ifDrawn - common);
    }
    return ceilDivide(choose(design.points, design.ifDrawn), perTicket);
}

// For a match of 2, no `ifDrawn` places may be free of pairs that share a
// ticket: the pairs in tickets make a graph whose largest independent set has
// fewer than `ifDrawn` points, which by Turán's theorem has at least the edges
// of ifDrawn - 1 cliques as equal as can be. A ticket holds C(k, 2) pairs.
std::uint64_t turanBound(const Design& design) {
    const int cliques = design.ifDrawn - 1;
    std::uint64_t edges = 0;
    for (int clique = 0; clique < cliques; ++clique) {
        const int size = design.points / cliques + (clique < design.points % cliques ? 1 : 0);
        edges += choose(size, 2);
    }
    return ceilDivide(edges, choose(design.ticketSize, 2));
}

}  // namespace

Design designOf(const WheelRequest& request, int balls) {
    const int keys = static_cast<int>(request.keys.size());
    return {static_cast<int>(request.pool.size()) - keys, balls - keys,
            std::max(request.guarantee.match - keys, 0), std::max(request.guarantee.ifDrawn - keys, 0)};
}

std::vector<int> placeNumbers(const WheelRequest& request) {
    std::vector<int> places;
    std::set_difference(request.pool.begin(), request.pool.end(), request.keys.begin(), request.keys.end(),
                        std::back_inserter(places));
    return places;
}

std::vector<int> ticketNumbers(PlaceSet ticket, const std::vector<int>& places, const std::vector<int>& keys) {
    std::vector<int> numbers = keys;
    for (; ticket != 0; ticket &= ticket - 1) numbers.push_back(places[static_cast<std::size_t>(std::countr_zero(ticket))]);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::uint64_t lowerBound(const Design& design) {
    if (design.match <= 0) return 1;
    if (design.match == 1) {
        return ceilDivide(static_cast<std::uint64_t>(design.points - design.ifDrawn + 1),
                          static_cast<std::uint64_t>(design.ticketSize));
    }
    if (design.match == design.ifDrawn) return schoenheimBound(design.points, design.ticketSize, design.match);
    std::uint64_t bound = countingBound(design);
    if (design.match == 2) bound = std::max(bound, turanBound(design));
    return bound;
}

}  // namespace numora::wheels
