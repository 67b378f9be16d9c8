#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace numora {

// A cell that holds one whole number and nothing else: digits, at most
// nine, around which spaces are allowed ("07", " 2 ").
std::optional<int> cellNumber(std::string_view cell);

// The numbers packed in one cell, separated by spaces, pipes, dashes or
// semicolons ("11 21 27 36 62 24", "6|28|31|52|53"); false (and numbers
// emptied) unless the cell holds at least two numbers and nothing else.
bool cellNumbers(std::string_view cell, std::vector<int>& numbers);

}  // namespace numora
