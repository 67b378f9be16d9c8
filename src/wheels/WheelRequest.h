#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/LotteryProfile.h"

namespace numora {

// What a wheel promises: whenever at least `ifDrawn` of the drawn main balls
// are in the pool (the key numbers among them), at least one ticket holds at
// least `match` of them. "T if T" is a covering design, "T if P" with P > T a
// lotto design.
struct Guarantee {
    int match = 3;
    int ifDrawn = 4;

    friend bool operator==(const Guarantee&, const Guarantee&) = default;
};

// A wheel to make for a lottery: tickets of the lottery's main balls drawn
// from the pool, each holding every key number.
struct WheelRequest {
    std::vector<int> pool;  // ascending, different
    std::vector<int> keys;  // ascending, each in the pool
    Guarantee guarantee;
    // At most this many tickets: the wheel then covers as many of the ways
    // the guarantee counts as it can.
    std::optional<int> ticketLimit;
};

inline constexpr int kMostPoolNumbers = 64;
inline constexpr int kMostTickets = 10000;

// Why the lottery cannot have this wheel; empty when it can.
std::string wheelRequestProblem(const WheelRequest& request, const LotteryProfile& lottery);

}  // namespace numora
