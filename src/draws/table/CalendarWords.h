#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numora {

// A word as the name tables hold it: ASCII letters in lower case, Latin
// letters with accents without them ("Février" is "fevrier", "März" is
// "marz", "ß" is "ss"); other characters are kept.
std::string foldedWord(std::string_view utf8);

// The month (1 to 12) that a folded word names in English, German, French,
// Spanish, Italian, Portuguese or Dutch: a full name, or a start of at least
// three letters shared only by names of one month ("sept", "févr", "okt"),
// or one of the short forms that are no such start ("mrt").
std::optional<int> monthOfWord(std::string_view folded);

// Whether a folded word is a weekday name of those languages or a start of
// one of at least two letters ("wed", "mi", "sáb").
bool isWeekdayWord(std::string_view folded);

}  // namespace numora
