#include "plays/Ticket.h"

#include <algorithm>

#include "picking/LineText.h"

namespace numora {

std::string ticketLineText(const Ticket& ticket, const LotteryProfile& lottery, LineSpacing spacing) {
    LotteryProfile shown = lottery;
    const bool hasBonus = ticket.line.bonus != PickedLine::kEmpty;
    shown.bonus = hasBonus ? lottery.bonus : 0;
    shown.showBonus = hasBonus;
    shown.powerBall = false;
    std::string text = makeLineText(ticket.line, shown);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (spacing == LineSpacing::Narrow) {
        text.erase(std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; }), text.end());
    }
    return text;
}

std::string_view sourceWord(TicketSource source) {
    switch (source) {
    case TicketSource::Pick:
        return "pick";
    case TicketSource::Wheel:
        return "wheel";
    case TicketSource::Typed:
        break;
    }
    return "typed";
}

}  // namespace numora
