#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace numora {

// A cell that holds one whole number and nothing else: digits, at most
// nine, around which spaces are allowed ("07", " 2 ").
std::optional<int> cellNumber(std::string_view cell);

// The numbers packed in one cell, separated by spaces, pipes, dashes or
// semicolons ("11 21 27 36 62 24", "6|28|31|52|53"): how many there are, the
// first of them (as many as fit) in numbers; 0 unless the cell holds at least
// two numbers and nothing else.
std::size_t cellNumbers(std::string_view cell, std::span<int> numbers);

}  // namespace numora
