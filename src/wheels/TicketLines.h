#pragma once

#include <string_view>
#include <vector>

#include "picking/PickedLine.h"
#include "platform/CrtRandom.h"
#include "settings/LotteryProfile.h"
#include "wheels/WheelCheck.h"

namespace numora {

// A wheel's tickets as picks: the balls in ascending order in the first
// slots, and the bonus and second drum's numbers an ordinary random pick of
// the lottery would get (drawn from `random`), so that the pick list writes, exports and checks them as it
// does every pick.
struct TicketLines {
    std::vector<PickedLine> lines;
    std::string_view refusal;  // why a ticket cannot get its bonus; then no lines
};

TicketLines ticketLines(const std::vector<WheelTicket>& tickets, const LotteryProfile& lottery, CrtRandom& random);

}  // namespace numora
