#pragma once

#include <string>
#include <string_view>

#include "platform/CalendarTime.h"

namespace numora {

class LocaleInfo;

// Writes a date and time by a locale date picture such as "d/M/yyyy" or
// "dddd, MMMM dd". Runs of the letters d, M, y, w, q, g, h, H, m, s and t are
// fields; text between single quotes and every other character is copied.
//
//   d dd      day of the month, 4 / 04      ddd dddd   day name, short / full
//   M MM      month, 1 / 01                 MMM MMMM   month name, short / full
//   y yy yyyy year 2006 / 06 / 2006         q          quarter 1 to 4
//   w ww      week of the year              g          nothing
//   h hh      hour 1-12 (0 stays 0)         H HH       hour 0-23
//   m mm      minute                        s ss       second
//   t tt      first character of / whole AM or PM designator
//
// Any other run length of these letters writes "???". Names and designators
// come from the locale; the weekday follows from the date.
class DatePictureFormatter {
public:
    explicit DatePictureFormatter(const LocaleInfo& locale);

    std::string format(const CalendarTime& when, std::string_view picture) const;

private:
    std::string field(char letter, int run, const CalendarTime& when) const;

    const LocaleInfo& locale_;
};

}  // namespace numora
