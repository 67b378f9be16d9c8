#pragma once

#include <cstdint>
#include <vector>

#include "wheels/CoverState.h"
#include "wheels/SearchRandom.h"

namespace numora::wheels {

// The best tickets a search has held: fewer uncovered drawn sets first, then
// fewer tickets.
struct BestTickets {
    std::vector<PlaceSet> tickets;
    std::uint64_t uncovered = 0;
    std::uint64_t step = 0;  // the step that found them
};

// Simulated annealing over the tickets, after Nurmela and Östergård: a step
// takes an uncovered drawn set at random and moves one place of a ticket that
// nearly meets it, so that it does (or comes closer); the move is kept when it
// uncovers no more drawn sets than it covers, and otherwise with a chance
// that falls as the temperature falls. Whenever every drawn set is covered,
// the tickets are kept and the ticket that covers fewest drawn sets alone
// leaves (any ticket, where weighing them all would take long), until the
// tickets are as few as `fewest`.
//
// Everything depends on the seed and the number of steps alone.
class Annealer {
public:
    Annealer(CoverState& state, std::uint64_t seed, std::uint64_t fewest);

    // Runs up to `steps` steps; fewer when the tickets reach `fewest`.
    void run(std::uint64_t steps);

    const BestTickets& best() const { return best_; }
    std::uint64_t steps() const { return steps_; }
    // True once the best tickets cover every drawn set and are as few as can be.
    bool finished() const { return best_.uncovered == 0 && best_.tickets.size() <= fewest_; }

private:
    void keepIfBetter();
    void dropTicket();
    void step();
    void cool();

    CoverState& state_;
    SearchRandom random_;
    std::uint64_t fewest_;
    BestTickets best_;
    std::uint64_t steps_ = 0;
    double temperature_;
    std::uint64_t stepsAtTemperature_ = 0;
    std::vector<std::uint32_t> candidates_;
};

}  // namespace numora::wheels
