#pragma once

#include <cstdint>
#include <memory>

#include "platform/CalendarTime.h"

namespace numora {

// Conversion between local calendar time and the signed 32-bit count of
// seconds since 1970-01-01 00:00:00 UTC that draw dates are stored as.
//
// toSeconds never fails: calendar values outside their ranges carry over
// (see CalendarTime), and a moment that a signed 32-bit count cannot hold is
// clamped to the nearest end, INT32_MIN (1901-12-13 20:45:52 UTC) or
// INT32_MAX (2038-01-19 03:14:07 UTC).
class LocalTime {
public:
    virtual ~LocalTime() = default;
    virtual std::int32_t toSeconds(const CalendarTime& local) const = 0;
    virtual CalendarTime fromSeconds(std::int32_t seconds) const = 0;
    virtual CalendarTime now() const = 0;
};

// The machine's time zone and daylight-saving rules (the C library's).
class SystemLocalTime final : public LocalTime {
public:
    std::int32_t toSeconds(const CalendarTime& local) const override;
    CalendarTime fromSeconds(std::int32_t seconds) const override;
    CalendarTime now() const override;
};

// A fixed offset from UTC and a fixed "now"; for tests and reproducible runs.
class FixedOffsetLocalTime final : public LocalTime {
public:
    explicit FixedOffsetLocalTime(int offsetSeconds = 0, CalendarTime now = {2026, 12, 6, 10, 30, 0, 0});
    std::int32_t toSeconds(const CalendarTime& local) const override;
    CalendarTime fromSeconds(std::int32_t seconds) const override;
    CalendarTime now() const override;

private:
    int offsetSeconds_;
    CalendarTime now_;
};

// Clamps a 64-bit count of seconds into what a draw date can hold.
std::int32_t clampToDrawSeconds(std::int64_t seconds);

// Days since 1970-01-01 of a proleptic Gregorian date; month and day may lie
// outside their ranges and carry over.
std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day);
CalendarTime civilFromSeconds(std::int64_t seconds);

}  // namespace numora
