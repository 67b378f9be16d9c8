#pragma once

#include <cstdint>
#include <vector>

#include "wheels/Design.h"
#include "wheels/SearchRandom.h"

namespace numora::wheels {

// Tickets of a design with, for every drawn set (every set of `ifDrawn`
// places), how many tickets meet it in at least `match` places. A drawn set
// that no ticket meets is uncovered; the search drives their number to 0.
//
// Changing one place of one ticket changes the count only of drawn sets that
// hold the place that leaves or the one that comes, and exactly match - 1 of
// the ticket's other places: those are all the work of a step.
class CoverState {
public:
    explicit CoverState(const Design& design);

    // Whether a design is small enough to keep a count per drawn set and to
    // change a ticket quickly.
    static bool fits(const Design& design);

    const Design& design() const { return design_; }
    const std::vector<PlaceSet>& tickets() const { return tickets_; }
    std::uint64_t uncovered() const { return uncovered_; }

    void addTicket(PlaceSet ticket);
    // Takes the ticket out; the last ticket takes its place in the list.
    void removeTicket(std::size_t index);

    // The change in uncovered drawn sets if the ticket gave up place `out`
    // for place `in`.
    std::int64_t swapCost(std::size_t index, int out, int in) const;
    void swapPlace(std::size_t index, int out, int in);

    // How many drawn sets only this ticket covers.
    std::uint64_t coveredOnlyBy(std::size_t index) const;
    // How many drawn sets any one ticket covers.
    std::uint64_t coveredPerTicket() const;

    // How many uncovered drawn sets a ticket growing from `part` would newly
    // cover by taking `place` too.
    std::uint64_t gain(PlaceSet part, int place) const;

    // The uncovered drawn set of lowest rank from `rank` on; there must be one.
    PlaceSet firstUncoveredFrom(std::uint64_t& rank) const;
    // An uncovered drawn set, each as likely; there must be one.
    PlaceSet randomUncovered(SearchRandom& random);

private:
    // Calls visit(rank) for every drawn set that holds `first`, match - 1
    // places of `shared` and the rest from `outside`.
    template <typename Visit>
    void forEachTouched(int first, PlaceSet shared, PlaceSet outside, Visit&& visit) const;
    // Calls visit(rank) for every drawn set the ticket covers.
    template <typename Visit>
    void forEachCovered(PlaceSet ticket, Visit&& visit) const;

    void countUp(std::uint64_t rank);
    void countDown(std::uint64_t rank);
    PlaceSet allPlaces() const { return firstPlaces(design_.points); }

    static constexpr std::uint16_t kListed = 0x8000;
    static constexpr std::uint16_t kCountBits = 0x7FFF;

    Design design_;
    std::vector<PlaceSet> tickets_;
    // Per drawn set, by rank: the tickets covering it, and kListed while it
    // is in uncoveredList_.
    std::vector<std::uint16_t> counts_;
    // The uncovered drawn sets, and some that have been covered since; those
    // leave when drawn.
    std::vector<std::uint32_t> uncoveredList_;
    // The list is made at the first draw from it.
    bool listBuilt_ = false;
    std::uint64_t uncovered_ = 0;
};

}  // namespace numora::wheels
