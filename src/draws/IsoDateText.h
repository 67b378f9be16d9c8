#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CalendarTime.h"

namespace numora {

class LocalTime;

// The one date form that is the same in every locale, YYYY-MM-DD: how the
// terminal tool and the dated export write a draw's day, and how a day is
// typed to the terminal tool.

// A draw date's local calendar day.
std::string isoDateText(std::int32_t seconds, const LocalTime& time);
// A calendar day.
std::string isoDayText(int year, int month, int day);

// The day the text names; nullopt unless it is written in that form and the
// calendar has that day (not 2024-02-30).
std::optional<CalendarTime> parseIsoDate(std::string_view text);

}  // namespace numora
