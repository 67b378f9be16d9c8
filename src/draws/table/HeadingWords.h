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
    // Only for a lottery with a second drum: "Star 1", "Lucky Star", "Euro number", "Superzahl", "Étoile"...
    SecondDrum,
};

// The words of a heading, folded ("DrawNumber" and "draw_number" are "draw",
// "number"; "N1" is "n", "1").
std::vector<std::string> headingWords(std::string_view heading);

// What a heading names. The second drum's words name it only for a lottery
// that has one; for any other, "Star" and "Superzahl" name a bonus as they
// always did, and the others nothing.
HeadingRole headingRole(std::string_view heading, bool secondDrum = false);

// A heading that ends in a number ("Ball 3", "N3", "3") splits into the words
// before the number and the number.
struct NumberedHeading {
    std::string stem;
    int number = 0;
};
std::optional<NumberedHeading> numberedHeading(std::string_view heading);

}  // namespace numora
