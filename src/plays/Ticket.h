#pragma once

#include <string>
#include <string_view>

#include "draws/DrawDay.h"
#include "picking/PickedLine.h"
#include "settings/LotteryProfile.h"

namespace numora {

// Where a ticket's line came from.
enum class TicketSource { Pick, Wheel, Typed };

// One line a player played for the draw of one day. Its number stays with it
// for as long as it is kept; its result is the label of its best match with
// the draws of its day ("4+1", "3", "0"), empty while no draw of that day is
// known.
struct Ticket {
    int number = 0;
    CalendarDay day;
    // Every slot of the line, as a line of the lottery holds them.
    PickedLine line;
    TicketSource source = TicketSource::Typed;
    std::string result;

    bool pending() const { return result.empty(); }

    friend bool operator==(const Ticket&, const Ticket&) = default;
};

// The ticket's line as the pick list writes a line, with its bonus once
// whenever it has one, and without the trailing space of a three-ball line;
// narrow, one space apart where the pick list puts two.
enum class LineSpacing { PickList, Narrow };
std::string ticketLineText(const Ticket& ticket, const LotteryProfile& lottery,
                           LineSpacing spacing = LineSpacing::PickList);

// "pick", "wheel", "typed": how the tickets file and the terminal name a source.
std::string_view sourceWord(TicketSource source);

}  // namespace numora
