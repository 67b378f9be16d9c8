#include "wheels/GreedyWheel.h"

namespace numora::wheels {

namespace {

PlaceSet lowestPlaces(PlaceSet set, int count) {
    PlaceSet lowest = 0;
    for (int taken = 0; taken < count; ++taken, set &= set - 1) lowest |= set & -set;
    return lowest;
}

}  // namespace

std::uint64_t greedyWork(const Design& design, std::uint64_t tickets) {
    std::uint64_t perTicket = 0;
    for (int held = design.match; held < design.ticketSize; ++held) {
        perTicket += static_cast<std::uint64_t>(design.points - held) * choose(held, design.match - 1) *
                     choose(design.points - held - 1, design.ifDrawn - design.match);
    }
    return perTicket * tickets;
}

bool addGreedyTickets(CoverState& state, std::size_t limit, const std::function<bool()>& stop) {
    const Design& design = state.design();
    const PlaceSet all = firstPlaces(design.points);
    std::uint64_t rank = 0;
    while (state.uncovered() > 0 && state.tickets().size() < limit) {
        if (stop()) return false;
        PlaceSet ticket = lowestPlaces(state.firstUncoveredFrom(rank), design.match);
        while (sizeOf(ticket) < design.ticketSize) {
            int bestPlace = -1;
            std::uint64_t bestGain = 0;
            for (PlaceSet rest = all & ~ticket; rest != 0; rest &= rest - 1) {
                const int place = std::countr_zero(rest);
                const std::uint64_t gained = state.gain(ticket, place);
                if (bestPlace < 0 || gained > bestGain) {
                    bestPlace = place;
                    bestGain = gained;
                }
            }
            ticket |= placeBit(bestPlace);
        }
        state.addTicket(ticket);
    }
    return true;
}

}  // namespace numora::wheels
