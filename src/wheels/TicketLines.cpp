#include "wheels/TicketLines.h"

#include "picking/PredictionEngine.h"
#include "picking/SecondDrumPick.h"

namespace numora {

TicketLines ticketLines(const std::vector<WheelTicket>& tickets, const LotteryProfile& lottery, CrtRandom& random) {
    PredictionEngine engine(random);
    TicketLines made;
    for (const WheelTicket& ticket : tickets) {
        PickedLine line;
        for (std::size_t slot = 0; slot < ticket.balls.size() && slot < line.slots.size(); ++slot)
            line.slots[slot] = ticket.balls[slot];
        const PickResult withBonus = engine.DrawBonus(lottery, line, LineKind::Random);
        if (withBonus.refused()) return {{}, withBonus.refusal};
        made.lines.push_back(withBonus.line);
        drawSecondDrum(random, lottery, made.lines.back());
    }
    return made;
}

}  // namespace numora
