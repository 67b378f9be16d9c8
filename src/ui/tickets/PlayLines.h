#pragma once

#include <vector>

#include "draws/DrawList.h"
#include "picking/PickedLine.h"
#include "plays/Ticket.h"
#include "ui/tickets/TicketServices.h"

class QWidget;

namespace numora {

// Plays lines as tickets, as a window's Play command does: asks for the day
// of the draw (the lottery's next draw day at the start), then keeps them in
// the tickets file and tells what was played and, when that day's draw is
// already among the draws, how the tickets did. A tickets file that cannot be
// saved over is told instead, before anything is asked.
void playLines(const TicketServices& services, const std::vector<PickedLine>& lines, TicketSource source,
               const DrawList& draws, QWidget* parent);

}  // namespace numora
