#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/LotteryProfile.h"
#include "wheels/WheelCheck.h"
#include "wheels/WheelRequest.h"

namespace numora {

// How long a search may run, and its seed. The search is the same, step for
// step, for the same request and seed: the time only decides where it stops.
// With a step limit the time is not looked at, so the search stops at the
// same place every time.
struct SearchLimits {
    static constexpr double kDefaultSeconds = 10.0;

    double seconds = kDefaultSeconds;
    std::optional<std::uint64_t> steps;
    std::uint64_t seed = 1;
};

// How far a search has come.
struct SearchProgress {
    double done = 0.0;         // the share of its time (or steps) spent, 0 to 1
    std::size_t tickets = 0;   // the best wheel's tickets so far; 0 before the first
    bool holds = false;        // whether that wheel has the guarantee
};

// What a search asks of whoever runs it, from the thread it runs on.
class SearchControl {
public:
    virtual ~SearchControl() = default;
    virtual bool cancelled() = 0;
    virtual void progress(const SearchProgress& progress) = 0;
};

// A wheel, checked; or why there is none.
struct Wheel {
    std::vector<WheelTicket> tickets;  // empty when there is no wheel
    WheelCheck check;
    std::uint64_t needed = 0;  // the fewest tickets any wheel of the request can have
    std::string refusal;       // why there is no wheel
    bool cancelled = false;
    std::uint64_t steps = 0;        // the search's steps
    std::uint64_t stepsToBest = 0;  // the step that found the wheel
    double secondsToBest = 0.0;     // and when, in seconds from the start
};

// Searches for the smallest wheel with the request's guarantee (with a ticket
// limit: the wheel of at most that many tickets that covers the most ways the
// guarantee counts). It starts from a greedy wheel, or for a lotto design one
// made of covering designs over parts of the pool, then improves it by
// simulated annealing until it is as small as can be, the time or the steps
// are spent, it stops improving, or it is cancelled; a cancelled search gives
// its best wheel so far. Every wheel it gives is checked.
Wheel searchWheel(const WheelRequest& request, const LotteryProfile& lottery, const SearchLimits& limits,
                  SearchControl& control);

// Every ticket the pool can make (with every key number in each), checked;
// refused above kMostTickets tickets, with their count.
Wheel fullWheel(const WheelRequest& request, const LotteryProfile& lottery);

}  // namespace numora
