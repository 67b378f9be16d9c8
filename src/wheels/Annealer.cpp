#include "wheels/Annealer.h"

#include <cmath>
#include <limits>

namespace numora::wheels {

namespace {

// A step that uncovers one more drawn set than it covers is kept at first
// with a chance of exp(-1 / 0.8), about 0.29; the temperature falls by 3% every
// (tickets x ticket size) steps, and once it is below 0.08 (a chance of
// e^-12.5) the annealing starts again from where it is.
constexpr double kStartTemperature = 0.8;
constexpr double kCooling = 0.97;
constexpr double kFrozen = 0.08;
// Drawn sets looked at to choose the ticket that leaves.
constexpr std::uint64_t kMostDropWork = 4'000'000;

int randomPlaceOf(PlaceSet set, SearchRandom& random) {
    for (std::uint32_t skip = random.below(static_cast<std::uint64_t>(sizeOf(set))); skip > 0; --skip) set &= set - 1;
    return std::countr_zero(set);
}

}  // namespace

Annealer::Annealer(CoverState& state, std::uint64_t seed, std::uint64_t fewest)
    : state_(state), random_(seed), fewest_(fewest), temperature_(kStartTemperature) {
    best_.uncovered = std::numeric_limits<std::uint64_t>::max();
    keepIfBetter();
}

void Annealer::run(std::uint64_t steps) {
    for (std::uint64_t done = 0; done < steps && !finished(); ++done) {
        while (state_.uncovered() == 0 && !finished()) {
            dropTicket();
            keepIfBetter();
        }
        if (finished()) return;
        step();
        ++steps_;
        keepIfBetter();
    }
}

void Annealer::keepIfBetter() {
    const std::uint64_t uncovered = state_.uncovered();
    const bool better = uncovered < best_.uncovered ||
                        (uncovered == best_.uncovered && state_.tickets().size() < best_.tickets.size());
    if (!better) return;
    best_.tickets = state_.tickets();
    best_.uncovered = uncovered;
    best_.step = steps_;
}

void Annealer::dropTicket() {
    const std::size_t tickets = state_.tickets().size();
    if (tickets <= fewest_) return;
    // Where weighing every ticket would take long, any ticket goes.
    const bool weigh = tickets * state_.coveredPerTicket() <= kMostDropWork;
    std::size_t weakest = weigh ? 0 : random_.below(tickets);
    std::uint64_t fewestAlone = std::numeric_limits<std::uint64_t>::max();
    for (std::size_t index = 0; weigh && index < tickets; ++index) {
        const std::uint64_t alone = state_.coveredOnlyBy(index);
        if (alone < fewestAlone) {
            fewestAlone = alone;
            weakest = index;
        }
    }
    state_.removeTicket(weakest);
    temperature_ = kStartTemperature;
    stepsAtTemperature_ = 0;
}

void Annealer::step() {
    const PlaceSet drawn = state_.randomUncovered(random_);
    const std::vector<PlaceSet>& tickets = state_.tickets();
    int mostShared = -1;
    candidates_.clear();
    for (std::size_t index = 0; index < tickets.size(); ++index) {
        const int shared = sizeOf(tickets[index] & drawn);
        if (shared < mostShared) continue;
        if (shared > mostShared) {
            mostShared = shared;
            candidates_.clear();
        }
        candidates_.push_back(static_cast<std::uint32_t>(index));
    }
    const std::size_t chosen = candidates_[random_.below(candidates_.size())];
    const PlaceSet ticket = tickets[chosen];
    const int out = randomPlaceOf(ticket & ~drawn, random_);
    const int in = randomPlaceOf(drawn & ~ticket, random_);
    const std::int64_t cost = state_.swapCost(chosen, out, in);
    if (cost <= 0 || random_.unit() < std::exp(-static_cast<double>(cost) / temperature_)) {
        state_.swapPlace(chosen, out, in);
    }
    cool();
}

void Annealer::cool() {
    const std::uint64_t perTemperature =
        state_.tickets().size() * static_cast<std::uint64_t>(state_.design().ticketSize);
    if (++stepsAtTemperature_ < perTemperature) return;
    stepsAtTemperature_ = 0;
    temperature_ *= kCooling;
    if (temperature_ < kFrozen) temperature_ = kStartTemperature;
}

}  // namespace numora::wheels
