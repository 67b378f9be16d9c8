#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CalendarTime.h"

namespace numora {

class LocalTime;

// A draw's date as the terminal tool writes and reads it: YYYY-MM-DD, the
// local calendar day.
std::string isoDate(std::int32_t seconds, const LocalTime& time);
// Dates joined with ", ".
std::string isoDates(const std::vector<std::int32_t>& dates, const LocalTime& time);
// nullopt unless the text is a date of that form that the calendar has.
std::optional<CalendarTime> parseIsoDate(std::string_view text);
bool isSameDay(std::int32_t seconds, const CalendarTime& day, const LocalTime& time);

}  // namespace numora
