#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/LotteryProfile.h"
#include "wheels/WheelRequest.h"

namespace numora {

// One ticket of a wheel: its main balls, ascending.
struct WheelTicket {
    std::vector<int> balls;

    friend bool operator==(const WheelTicket&, const WheelTicket&) = default;
};

// What an exhaustive check of a wheel found, counted over every way, not
// sampled.
struct WheelCheck {
    Guarantee guarantee;
    int poolNumbers = 0;
    int keyNumbers = 0;
    // The ways `ifDrawn` of the pool's numbers can be drawn (the key numbers
    // among them), and how many of them a ticket matches in `match` or more.
    std::uint64_t ways = 0;
    std::uint64_t waysCovered = 0;
    // Every draw of the lottery's main balls, and the draws in which a ticket
    // holds `match` or more of the drawn numbers.
    std::uint64_t draws = 0;
    std::uint64_t drawsMatched = 0;

    bool holds() const { return waysCovered == ways; }
};

// Checks the tickets against every way the guarantee counts and every draw of
// the lottery. A ticket number outside the pool matches nothing, so the
// counts never say more than is true.
WheelCheck checkWheel(const WheelRequest& request, const LotteryProfile& lottery,
                      const std::vector<WheelTicket>& tickets);

// The fewest tickets any wheel of the request can have.
std::uint64_t ticketsNeeded(const WheelRequest& request, const LotteryProfile& lottery);

// The lines shown under a wheel: what the check found, the tickets needed
// beside the tickets it has, and its share of all draws.
std::vector<std::string> checkTexts(const WheelCheck& check, std::size_t tickets, std::uint64_t needed);

}  // namespace numora
