#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/PickRules.h"

namespace numora {

// A run of ball numbers from first to last, written "9-15", or "7" for one.
struct BallRun {
    int first;
    int last;

    friend bool operator==(const BallRun&, const BallRun&) = default;
};

// Reads one run: a whole number, or two joined by "-" whose first is not
// above its last. nullopt for anything else.
std::optional<BallRun> parseBallRun(std::string_view text);

// Reads runs separated by commas, with spaces allowed around each: "3,7,9-15"
// or "1 - 12". An empty text holds none. nullopt, with the part that is not a
// run in `bad`, otherwise.
std::optional<std::vector<BallRun>> parseBallRuns(std::string_view text, std::string& bad);

// The numbers as runs, lowest first: three or more in a row as "first-last",
// the others one by one, set apart by `separator` ("1-5, 40", "1-5 40").
std::string ballSetText(const BallSet& numbers, std::string_view separator);

}  // namespace numora
