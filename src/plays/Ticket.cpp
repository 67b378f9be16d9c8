#include "plays/Ticket.h"

namespace numora {

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
