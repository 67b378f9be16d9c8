#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// The texts of wheels, shared by the Wheel window and numora-cli.
namespace numora::wheeltexts {

inline constexpr char kRepeatingLottery[] = "Wheels need a lottery whose numbers do not repeat.";
inline constexpr char kProfileOutOfRange[] =
    "Wheels need a lottery of 3 to 7 balls with more numbers than balls, from 0 or 1 up to at most 99.";
inline constexpr char kNotNumberSpec[] = "\"%s\" is not a list of numbers and ranges such as 1-12 or 3,7,9-15.";
inline constexpr char kNumberOutOfRange[] = "%s is not a number of the lottery (%s to %s).";
inline constexpr char kPoolTooSmall[] = "A pool needs at least %s numbers (the lottery's %s balls and one more); it has %s.";
inline constexpr char kPoolTooLarge[] = "A pool holds at most %s numbers; it has %s.";
inline constexpr char kKeyNotInPool[] = "The key number %s is not in the pool.";
inline constexpr char kTooManyKeys[] = "A ticket has %s numbers, so there can be at most %s key numbers; there are %s.";
inline constexpr char kMatchTooSmall[] = "Match %s if %s cannot be: a ticket must match at least 1 number.";
inline constexpr char kMatchAboveIf[] = "Match %s if %s cannot be: a ticket cannot match more numbers than are drawn.";
inline constexpr char kIfAboveBalls[] = "Match %s if %s cannot be: a draw has %s main balls.";
inline constexpr char kTicketLimitOutOfRange[] = "Tickets at most: a number from 1 to %s.";
inline constexpr char kFullWheelTooLarge[] =
    "A full wheel of these numbers has %s tickets; Numora makes at most %s.";
inline constexpr char kTooManyNeeded[] =
    "Match %s if %s with these numbers needs at least %s tickets; Numora makes at most %s. "
    "Choose fewer numbers, or set Tickets at most.";
inline constexpr char kTooLargeToSearch[] =
    "Match %s if %s with %s numbers is too large to search; choose fewer numbers.";
inline constexpr char kCancelledEarly[] = "Cancelled before a wheel was made.";

// The check under every wheel.
// The last %s says how the key numbers are drawn with them, if there are any.
inline constexpr char kHoldsForAll[] = "Checked: %s if %s holds for all %s ways %s of your %s numbers can be drawn%s";
inline constexpr char kHoldsForSome[] =
    "Checked: %s if %s holds for %s of the %s ways %s of your %s numbers can be drawn%s (%s)";
inline constexpr char kWithKeys[] = " with the %s key numbers";
inline constexpr char kWithKey[] = " with the key number";
inline constexpr char kTicketsNeeded[] = "At least %s tickets are needed; this wheel has %s";
inline constexpr char kDrawsMatched[] = "A ticket matches %s or more in %s of all %s draws (%s)";

// The text with each %s filled in by the next value, in order.
std::string fillIn(std::string_view text, std::initializer_list<std::string> values);
// A whole number as text.
std::string numberText(long long number);

// Whole numbers with a comma between thousands: "13,983,816".
std::string countText(std::uint64_t count);
// A share as a percentage with one decimal ("90.9%"); never 100.0% unless whole.
std::string shareText(std::uint64_t part, std::uint64_t whole);

}  // namespace numora::wheeltexts
