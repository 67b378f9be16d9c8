#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// What a column's heading says the column holds.
enum class HeadingRole {
    Unknown,
    Date,     // "Date", "Draw Date", "Datum", "Fecha"...
    Day,      // "DD", "Day", "Tag", "Jour"...
    Month,    // "MMM", "Month", "Monat", "Mois"...
    Year,     // "YYYY", "Year", "Jahr", "Année"...
    Ball,     // "Ball 1", "N1", "Winning Numbers", "white_balls"...
    Bonus,    // "Bonus Ball", "Powerball", "Mega Ball", "PB", "Zusatzzahl"...
    NotBall,  // a draw number, jackpot, multiplier, sum, count of winners, ball set, machine...
};

// The words of a heading, folded ("DrawNumber" and "draw_number" are "draw",
// "number"; "N1" is "n", "1").
std::vector<std::string> headingWords(std::string_view heading);

HeadingRole headingRole(std::string_view heading);

// A heading that ends in a number ("Ball 3", "N3", "3") splits into the words
// before the number and the number.
struct NumberedHeading {
    std::string stem;
    int number = 0;
};
std::optional<NumberedHeading> numberedHeading(std::string_view heading);

}  // namespace numora
