#pragma once

#include <cstdint>
#include <string>

namespace numora {

class LocalTime;

// A draw date's local calendar day as YYYY-MM-DD, the same in every locale.
std::string isoDateText(std::int32_t seconds, const LocalTime& time);

}  // namespace numora
