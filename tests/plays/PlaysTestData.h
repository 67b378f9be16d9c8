#pragma once

#include <string>
#include <utility>

#include "analysis/AnalysisTestData.h"
#include "plays/Ticket.h"
#include "platform/LocalTime.h"

namespace numora::testing {

// The date of a draw at that many seconds past a day's midnight, in UTC.
inline std::int32_t dateOn(const CalendarDay& day, int secondsIntoDay = 0) {
    return static_cast<std::int32_t>(daysFromCivil(day.year, day.month, day.day) * 86400 + secondsIntoDay);
}

inline Ticket ticketOf(int number, const CalendarDay& day, const PickedLine& line, std::string result = {},
                       TicketSource source = TicketSource::Typed) {
    return {number, day, line, source, std::move(result)};
}

}  // namespace numora::testing
