#include "wheels/WheelSearch.h"

#include <algorithm>
#include <limits>
#include <map>
#include <set>

#include "wheels/Annealer.h"
#include "wheels/CoverState.h"
#include "wheels/CoverageCount.h"
#include "wheels/Design.h"
#include "wheels/GreedyWheel.h"
#include "wheels/SearchClock.h"
#include "wheels/SplitWheel.h"
#include "wheels/WheelTexts.h"

namespace numora {

namespace {

using wheels::Annealer;
using wheels::CoverState;
using wheels::Design;
using wheels::PlaceSet;
using wheels::SearchClock;

// The annealer runs this many steps between looks at the clock.
constexpr std::uint64_t kStepsBetweenLooks = 2048;
// A search stops improving when it has gone this many steps, and this many
// times the steps it took to find its best, without a better wheel.
constexpr std::uint64_t kFruitlessSteps = 8'000'000;
constexpr std::uint64_t kFruitlessFactor = 4;
// A covering design for a part of a split pool gets at most this many steps.
constexpr std::uint64_t kPartSteps = 100'000;
// A greedy wheel may look at about this many drawn sets (some seconds), for
// this many times the lower bound's tickets, about as many as it makes for a
// lotto design.
constexpr std::uint64_t kMostGreedyWork = 300'000'000;
constexpr std::uint64_t kGreedyTicketsPerBound = 6;

// Tickets of places, and how the search found them.
struct Found {
    std::vector<PlaceSet> tickets;
    std::uint64_t steps = 0;
    std::uint64_t stepsToBest = 0;
    double secondsToBest = 0.0;
};

bool stoppedImproving(const Annealer& annealer) {
    const std::uint64_t since = annealer.steps() - annealer.best().step;
    return since > std::max(kFruitlessSteps, kFruitlessFactor * annealer.best().step);
}

// How long an annealing may go: a number of steps, or the search's time.
struct AnnealLimit {
    std::optional<std::uint64_t> steps;
    bool reports = true;  // whether its progress is the search's
};

// Anneals from the state's tickets until the design is as small as it can be,
// the limit is reached, the search must stop, or it stops improving.
Found anneal(CoverState& state, std::uint64_t seed, SearchClock& clock, const AnnealLimit& limit) {
    Annealer annealer(state, seed, wheels::lowerBound(state.design()));
    Found found;
    std::uint64_t bestStep = 0;
    while (!annealer.finished() && !stoppedImproving(annealer)) {
        const bool stop = limit.steps ? annealer.steps() >= *limit.steps || clock.cancelled() : clock.mustStop();
        if (stop) break;
        const std::uint64_t left = limit.steps ? *limit.steps - annealer.steps() : kStepsBetweenLooks;
        annealer.run(std::min(left, kStepsBetweenLooks));
        if (annealer.best().step != bestStep) {
            bestStep = annealer.best().step;
            found.secondsToBest = clock.elapsedSeconds();
        }
        if (limit.reports)
            clock.report(annealer.steps(), annealer.best().tickets.size(), annealer.best().uncovered == 0);
    }
    found.tickets = annealer.best().tickets;
    found.steps = annealer.steps();
    found.stepsToBest = annealer.best().step;
    return found;
}

// The covering designs of the parts of a split pool, by size: first a quick
// search of a few steps each, whatever the time, to choose the sizes; then
// the chosen ones may search on for the rest of the time.
class PartCoverings {
public:
    PartCoverings(const Design& design, std::uint64_t seed, SearchClock& clock)
        : design_(design), seed_(seed), clock_(clock) {}

    const std::vector<PlaceSet>& tickets(int size) {
        auto found = bySize_.find(size);
        if (found == bySize_.end()) {
            found = bySize_.emplace(size, wheels::partCovering(design_, size, [&](const Design& covering) {
                                        CoverState state(covering);
                                        addGreedyTickets(state, std::numeric_limits<std::size_t>::max(),
                                                         [&] { return clock_.cancelled(); });
                                        return clock_.cancelled() ? state.tickets() : improved(state, kPartSteps);
                                    })).first;
            clock_.report(0, 0, false);
        }
        return found->second;
    }

    // Searches on from the part's tickets until the search must stop.
    void improve(int size) {
        std::vector<PlaceSet>& tickets = bySize_[size];
        if (size <= design_.ticketSize || clock_.mustStop()) return;
        CoverState state({size, design_.ticketSize, design_.match, design_.match});
        for (const PlaceSet ticket : tickets) state.addTicket(ticket);
        tickets = improved(state, std::nullopt);
    }

    std::vector<PlaceSet> wheel(const std::vector<int>& sizes) {
        return wheels::splitWheel(design_, sizes, [&](int size) { return tickets(size); });
    }

private:
    std::vector<PlaceSet> improved(CoverState& state, std::optional<std::uint64_t> steps) {
        return anneal(state, seed_, clock_, {steps, false}).tickets;
    }

    Design design_;
    std::uint64_t seed_;
    SearchClock& clock_;
    std::map<int, std::vector<PlaceSet>> bySize_;
};

// The tickets for a match of 0 (any ticket) or 1 (tickets side by side, so
// that fewer than ifDrawn places are left out), at most `limit` of them.
std::vector<PlaceSet> smallMatchTickets(const Design& design, std::size_t limit) {
    const int size = design.ticketSize;
    if (design.match <= 0) return {wheels::firstPlaces(size)};
    const int toCover = design.points - design.ifDrawn + 1;
    std::vector<PlaceSet> tickets;
    for (int first = 0; first < toCover && tickets.size() < limit; first += size) {
        PlaceSet ticket = wheels::firstPlaces(std::min(first + size, design.points)) & ~wheels::firstPlaces(first);
        for (int place = 0; wheels::sizeOf(ticket) < size; ++place) ticket |= wheels::placeBit(place);
        tickets.push_back(ticket);
    }
    return tickets;
}

// Takes tickets out, each time the one whose loss uncovers the fewest drawn
// sets, until at most `limit` are left; when the search must stop, the last
// ones go.
void dropToLimit(std::vector<PlaceSet>& tickets, const Design& design, std::size_t limit, SearchClock& clock) {
    while (tickets.size() > limit) {
        if (clock.mustStop()) {
            tickets.resize(limit);
            return;
        }
        std::size_t weakest = 0;
        std::uint64_t mostCovered = 0;
        for (std::size_t index = 0; index < tickets.size(); ++index) {
            std::vector<PlaceSet> without = tickets;
            without.erase(without.begin() + static_cast<std::ptrdiff_t>(index));
            const std::uint64_t covered =
                wheels::coveredSetCounts(design.points, without, design.match, design.ifDrawn).back();
            if (index == 0 || covered > mostCovered) {
                mostCovered = covered;
                weakest = index;
            }
        }
        tickets.erase(tickets.begin() + static_cast<std::ptrdiff_t>(weakest));
    }
}

// The search's tickets, or nullopt when it was cancelled before it had any.
std::optional<Found> searchAnnealing(const Design& design, std::size_t limit, const SearchLimits& limits,
                                     SearchClock& clock, PartCoverings& parts) {
    CoverState state(design);
    if (!addGreedyTickets(state, limit, [&] { return clock.cancelled(); })) return std::nullopt;
    if (const auto sizes = wheels::splitSizes(design, [&](int size) { return parts.tickets(size); })) {
        // Cancelled while the parts were made, it is not whole: the greedy wheel is.
        const std::vector<PlaceSet> split = parts.wheel(*sizes);
        if (!clock.cancelled() && split.size() <= limit && split.size() < state.tickets().size()) {
            state = CoverState(design);
            for (const PlaceSet ticket : split) state.addTicket(ticket);
        }
    }
    return anneal(state, limits.seed, clock, {limits.steps, true});
}

Wheel wheelOf(const WheelRequest& request, const LotteryProfile& lottery, const std::vector<PlaceSet>& tickets) {
    Wheel wheel;
    const std::vector<int> places = wheels::placeNumbers(request);
    for (const PlaceSet ticket : tickets) wheel.tickets.push_back({wheels::ticketNumbers(ticket, places, request.keys)});
    wheel.check = checkWheel(request, lottery, wheel.tickets);
    wheel.needed = ticketsNeeded(request, lottery);
    return wheel;
}

Wheel refused(std::string reason) {
    Wheel wheel;
    wheel.refusal = std::move(reason);
    return wheel;
}

Wheel cancelledEarly() {
    Wheel none = refused(wheeltexts::kCancelledEarly);
    none.cancelled = true;
    return none;
}

}  // namespace

Wheel searchWheel(const WheelRequest& request, const LotteryProfile& lottery, const SearchLimits& limits,
                  SearchControl& control) {
    using namespace wheeltexts;
    if (std::string problem = wheelRequestProblem(request, lottery); !problem.empty()) return refused(problem);
    const Design design = wheels::designOf(request, lottery.balls);
    const std::uint64_t needed = wheels::lowerBound(design);
    if (!request.ticketLimit && needed > static_cast<std::uint64_t>(kMostTickets)) {
        return refused(fillIn(kTooManyNeeded, {numberText(request.guarantee.match),
                                               numberText(request.guarantee.ifDrawn), countText(needed),
                                               countText(kMostTickets)}));
    }
    const std::size_t limit = static_cast<std::size_t>(request.ticketLimit.value_or(kMostTickets));
    SearchClock clock(limits, control);
    PartCoverings parts(design, limits.seed, clock);
    Found found;
    if (design.match <= 1) {
        found.tickets = smallMatchTickets(design, limit);
    } else if (CoverState::fits(design) &&
               wheels::greedyWork(design, std::min<std::uint64_t>(limit, kGreedyTicketsPerBound * needed)) <=
                   kMostGreedyWork) {
        const auto annealed = searchAnnealing(design, limit, limits, clock, parts);
        if (!annealed) return cancelledEarly();
        found = *annealed;
    } else if (const auto sizes = wheels::splitSizes(design, [&](int size) { return parts.tickets(size); })) {
        if (clock.cancelled()) return cancelledEarly();
        // Too large to anneal whole: the parts' designs get the time instead.
        for (const int size : std::set<int>(sizes->begin(), sizes->end())) parts.improve(size);
        found.tickets = parts.wheel(*sizes);
        dropToLimit(found.tickets, design, limit, clock);
        found.secondsToBest = clock.elapsedSeconds();
    } else {
        return refused(fillIn(kTooLargeToSearch, {numberText(request.guarantee.match),
                                                  numberText(request.guarantee.ifDrawn),
                                                  numberText(static_cast<long long>(request.pool.size()))}));
    }
    Wheel wheel = wheelOf(request, lottery, found.tickets);
    wheel.cancelled = clock.cancelled();
    wheel.steps = found.steps;
    wheel.stepsToBest = found.stepsToBest;
    wheel.secondsToBest = found.secondsToBest;
    return wheel;
}

Wheel fullWheel(const WheelRequest& request, const LotteryProfile& lottery) {
    using namespace wheeltexts;
    if (std::string problem = wheelRequestProblem(request, lottery); !problem.empty()) return refused(problem);
    const Design design = wheels::designOf(request, lottery.balls);
    const std::uint64_t count = wheels::choose(design.points, design.ticketSize);
    if (count > static_cast<std::uint64_t>(kMostTickets)) {
        return refused(fillIn(kFullWheelTooLarge, {countText(count), countText(kMostTickets)}));
    }
    std::vector<PlaceSet> tickets;
    wheels::forEachSubset(wheels::firstPlaces(design.points), design.ticketSize,
                          [&](PlaceSet ticket) { tickets.push_back(ticket); });
    return wheelOf(request, lottery, tickets);
}

}  // namespace numora
