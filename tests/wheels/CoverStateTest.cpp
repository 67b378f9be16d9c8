#include <gtest/gtest.h>

#include <random>

#include "wheels/CoverState.h"
#include "wheels/CoverageCount.h"

namespace numora::wheels {
namespace {

std::uint64_t uncoveredByCount(const CoverState& state) {
    const Design& design = state.design();
    return choose(design.points, design.ifDrawn) -
           coveredSetCounts(design.points, state.tickets(), design.match, design.ifDrawn).back();
}

int randomPlace(PlaceSet set, std::mt19937& random) {
    std::vector<int> places;
    for (; set != 0; set &= set - 1) places.push_back(std::countr_zero(set));
    return places[random() % places.size()];
}

TEST(CoverState, everyChangeKeepsTheCountOfUncoveredSetsTrue) {
    std::mt19937 random(3);
    for (const Design design : {Design{10, 6, 4, 4}, Design{12, 5, 3, 4}, Design{14, 4, 2, 5}, Design{9, 3, 1, 3}}) {
        SCOPED_TRACE(design.points);
        CoverState state(design);
        SearchRandom draws(1);
        for (int ticket = 0; ticket < 6; ++ticket) {
            PlaceSet places = 0;
            while (sizeOf(places) < design.ticketSize) places |= placeBit(static_cast<int>(random() % design.points));
            state.addTicket(places);
        }
        ASSERT_EQ(state.uncovered(), uncoveredByCount(state));
        for (int change = 0; change < 200; ++change) {
            const std::size_t index = random() % state.tickets().size();
            const PlaceSet ticket = state.tickets()[index];
            const int out = randomPlace(ticket, random);
            const int in = randomPlace(firstPlaces(design.points) & ~ticket, random);
            const std::int64_t cost = state.swapCost(index, out, in);
            const std::uint64_t before = state.uncovered();
            state.swapPlace(index, out, in);
            ASSERT_EQ(static_cast<std::int64_t>(state.uncovered() - before), cost);
            ASSERT_EQ(state.uncovered(), uncoveredByCount(state));
            if (state.uncovered() > 0) {
                const PlaceSet drawn = state.randomUncovered(draws);
                for (const PlaceSet held : state.tickets()) ASSERT_LT(sizeOf(drawn & held), design.match);
            }
        }
        const std::uint64_t alone = state.coveredOnlyBy(0);
        const std::uint64_t before = state.uncovered();
        state.removeTicket(0);
        EXPECT_EQ(state.uncovered(), before + alone);
        EXPECT_EQ(state.uncovered(), uncoveredByCount(state));
    }
}

TEST(CoverState, subsetsRankInColexOrderAndComeBackFromTheirRank) {
    std::uint64_t expected = 0;
    forEachSubset(firstPlaces(9), 4, [&](PlaceSet subset) {
        EXPECT_EQ(subsetOfRank(subsetRank(subset), 4), subset);
        ++expected;
    });
    EXPECT_EQ(expected, choose(9, 4));
    // Colex: every set of the first n places comes before any set holding place n.
    EXPECT_EQ(subsetRank(placeBit(0) | placeBit(1) | placeBit(2)), 0u);
    EXPECT_EQ(subsetRank(placeBit(0) | placeBit(1) | placeBit(3)), 1u);
    EXPECT_EQ(subsetRank(placeBit(61) | placeBit(62) | placeBit(63)), choose(64, 3) - 1);
    EXPECT_EQ(choose(49, 6), 13983816u);
    EXPECT_EQ(choose(100, 7), 16007560800u);
}

}  // namespace
}  // namespace numora::wheels
