#pragma once

namespace numora {

// A local calendar date and time. Month 1-12, day 1-31, weekday 0 (Sunday) to 6.
// Values outside those ranges are allowed when converting to seconds: they
// carry over the way a calendar does (month 13 is January of the next year,
// day 0 is the last day of the previous month).
struct CalendarTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 4;

    friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};

}  // namespace numora
