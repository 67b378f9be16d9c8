#include "wheels/CoverState.h"

#include <algorithm>

namespace numora::wheels {

namespace {

// A count per drawn set takes two bytes: a 6/49 pool of all 49 numbers fits.
constexpr std::uint64_t kMostDrawnSets = std::uint64_t{1} << 24;
// Drawn sets a step may look at, and drawn sets one ticket may cover.
constexpr std::uint64_t kMostTouchedPerStep = 20000;
constexpr std::uint64_t kMostCoveredPerTicket = 200000;

}  // namespace

CoverState::CoverState(const Design& design)
    : design_(design), counts_(choose(design.points, design.ifDrawn), 0), uncovered_(counts_.size()) {}

namespace {

std::uint64_t coveredByOneTicket(const Design& design) {
    std::uint64_t covered = 0;
    for (int common = design.match; common <= std::min(design.ticketSize, design.ifDrawn); ++common) {
        covered += choose(design.ticketSize, common) *
                   choose(design.points - design.ticketSize, design.ifDrawn - common);
    }
    return covered;
}

}  // namespace

bool CoverState::fits(const Design& design) {
    const int v = design.points, k = design.ticketSize, t = design.match, p = design.ifDrawn;
    if (t < 1 || p > kLargestSubset || choose(v, p) > kMostDrawnSets) return false;
    if (choose(k - 1, t - 1) * choose(v - k - 1, p - t) > kMostTouchedPerStep) return false;
    return coveredByOneTicket(design) <= kMostCoveredPerTicket;
}

std::uint64_t CoverState::coveredPerTicket() const { return coveredByOneTicket(design_); }

template <typename Visit>
void CoverState::forEachTouched(int first, PlaceSet shared, PlaceSet outside, Visit&& visit) const {
    const PlaceSet firstBit = placeBit(first);
    forEachSubset(shared, design_.match - 1, [&](PlaceSet sharedPart) {
        forEachSubset(outside, design_.ifDrawn - design_.match,
                      [&](PlaceSet outsidePart) { visit(subsetRank(firstBit | sharedPart | outsidePart)); });
    });
}

template <typename Visit>
void CoverState::forEachCovered(PlaceSet ticket, Visit&& visit) const {
    const PlaceSet outside = allPlaces() & ~ticket;
    for (int common = design_.match; common <= std::min(design_.ticketSize, design_.ifDrawn); ++common) {
        forEachSubset(ticket, common, [&](PlaceSet inside) {
            forEachSubset(outside, design_.ifDrawn - common,
                          [&](PlaceSet outsidePart) { visit(subsetRank(inside | outsidePart)); });
        });
    }
}

void CoverState::countUp(std::uint64_t rank) {
    std::uint16_t& count = counts_[rank];
    if ((count & kCountBits) == 0) --uncovered_;
    ++count;
}

void CoverState::countDown(std::uint64_t rank) {
    std::uint16_t& count = counts_[rank];
    --count;
    if ((count & kCountBits) != 0) return;
    ++uncovered_;
    if (listBuilt_ && !(count & kListed)) {
        count |= kListed;
        uncoveredList_.push_back(static_cast<std::uint32_t>(rank));
    }
}

void CoverState::addTicket(PlaceSet ticket) {
    tickets_.push_back(ticket);
    forEachCovered(ticket, [&](std::uint64_t rank) { countUp(rank); });
}

void CoverState::removeTicket(std::size_t index) {
    const PlaceSet ticket = tickets_[index];
    tickets_[index] = tickets_.back();
    tickets_.pop_back();
    forEachCovered(ticket, [&](std::uint64_t rank) { countDown(rank); });
}

std::int64_t CoverState::swapCost(std::size_t index, int out, int in) const {
    const PlaceSet ticket = tickets_[index];
    const PlaceSet shared = ticket & ~placeBit(out);
    const PlaceSet outside = allPlaces() & ~(ticket | placeBit(in));
    std::int64_t cost = 0;
    forEachTouched(out, shared, outside, [&](std::uint64_t rank) { cost += (counts_[rank] & kCountBits) == 1; });
    forEachTouched(in, shared, outside, [&](std::uint64_t rank) { cost -= (counts_[rank] & kCountBits) == 0; });
    return cost;
}

void CoverState::swapPlace(std::size_t index, int out, int in) {
    PlaceSet& ticket = tickets_[index];
    const PlaceSet shared = ticket & ~placeBit(out);
    const PlaceSet outside = allPlaces() & ~(ticket | placeBit(in));
    forEachTouched(in, shared, outside, [&](std::uint64_t rank) { countUp(rank); });
    forEachTouched(out, shared, outside, [&](std::uint64_t rank) { countDown(rank); });
    ticket = shared | placeBit(in);
}

std::uint64_t CoverState::coveredOnlyBy(std::size_t index) const {
    std::uint64_t only = 0;
    forEachCovered(tickets_[index], [&](std::uint64_t rank) { only += (counts_[rank] & kCountBits) == 1; });
    return only;
}

std::uint64_t CoverState::gain(PlaceSet part, int place) const {
    if (sizeOf(part) < design_.match - 1) return 0;
    const PlaceSet outside = allPlaces() & ~(part | placeBit(place));
    std::uint64_t gained = 0;
    forEachTouched(place, part, outside, [&](std::uint64_t rank) { gained += (counts_[rank] & kCountBits) == 0; });
    return gained;
}

PlaceSet CoverState::firstUncoveredFrom(std::uint64_t& rank) const {
    while ((counts_[rank] & kCountBits) != 0) ++rank;
    return subsetOfRank(rank, design_.ifDrawn);
}

PlaceSet CoverState::randomUncovered(SearchRandom& random) {
    if (!listBuilt_) {
        listBuilt_ = true;
        uncoveredList_.clear();
        for (std::size_t rank = 0; rank < counts_.size(); ++rank) {
            if ((counts_[rank] & kCountBits) != 0) continue;
            counts_[rank] |= kListed;
            uncoveredList_.push_back(static_cast<std::uint32_t>(rank));
        }
    }
    for (;;) {
        const std::size_t at = random.below(uncoveredList_.size());
        const std::uint32_t rank = uncoveredList_[at];
        if ((counts_[rank] & kCountBits) == 0) return subsetOfRank(rank, design_.ifDrawn);
        counts_[rank] &= kCountBits;
        uncoveredList_[at] = uncoveredList_.back();
        uncoveredList_.pop_back();
    }
}

}  // namespace numora::wheels
