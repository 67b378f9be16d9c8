#include "draws/table/NumberCell.h"

#include <algorithm>

namespace numora {

namespace {

constexpr std::string_view kPackedSeparators = " \t|-;";
constexpr std::size_t kMostDigits = 9;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> digitsValue(std::string_view digits) {
    if (digits.empty() || digits.size() > kMostDigits) return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<int> cellNumber(std::string_view cell) {
    const std::size_t first = cell.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    return digitsValue(cell.substr(first, cell.find_last_not_of(" \t") - first + 1));
}

std::size_t cellNumbers(std::string_view cell, std::span<int> numbers) {
    std::size_t at = cell.find_first_not_of(kPackedSeparators);
    if (at == std::string_view::npos || cell.find_first_not_of(" \t") != at) return 0;
    std::size_t count = 0;
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(cell.find_first_of(kPackedSeparators, at), cell.size());
        const auto value = digitsValue(cell.substr(at, end - at));
        if (!value) return 0;
        if (count < numbers.size()) numbers[count] = *value;
        ++count;
        at = cell.find_first_not_of(kPackedSeparators, end);
    }
    return count >= 2 ? count : 0;
}

}  // namespace numora
