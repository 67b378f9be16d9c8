#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "draws/DrawRecord.h"
#include "platform/LocaleInfo.h"

namespace numora {

class LocalTime;

// The characters a line is read up to: digits and "\/:.-,".
inline constexpr std::string_view kCsvLineCharacters = "0123456789\\/:.-,";

// What reading one import line depends on: the lottery's ball slots in play
// (its balls, then the numbers of its second drum) and highest bonus, the
// locale's short-date order and separator (only its first character counts; a
// separator that is not a plain ASCII character never splits a date), the date
// given to lines without one, and the local-time conversion of dates.
struct CsvLineRules {
    int balls = 6;  // the ball slots in play
    int bonus = 49;
    DateOrder order = DateOrder::MonthDayYear;
    std::optional<char> separator;
    std::int32_t undatedSeconds = 0;
    const LocalTime* time = nullptr;
};

struct CsvDrawLine {
    DrawRecord record;
    bool dated = false;
    // Not empty when the line's date names no day a draw can have: the line
    // gives no draw, and this says why.
    std::string badDate;
};

// The draw one import line gives, or nullopt for a line that is ignored.
// The line is trimmed, cut at its first character that is not a digit or one
// of "\/:.-,", and split at commas into fields 0 to 8. Fields without a date
// marker are numbers for the balls and bonus; a line that gives none of them
// is ignored. The last field with a date marker is the date, read in the
// locale's order with two-digit years corrected (below 75: 20xx; otherwise
// 19xx), at 00:00 local time. A date that is not a day of the calendar, or a
// day no draw can be dated, is never turned into another: the line says why
// in badDate.
std::optional<CsvDrawLine> readCsvDrawLine(std::string_view line, const CsvLineRules& rules);

// How many numbers a line holds when it is a whole draw line: numbers only,
// perhaps a date after them, nothing cut off and no empty field (what the
// export writes). nullopt for any other line; 0 for a line without a number
// or a date.
std::optional<int> wholeDrawLineNumbers(std::string_view line);

}  // namespace numora
