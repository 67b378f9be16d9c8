#include "draws/table/NumberCell.h"

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

bool cellNumbers(std::string_view cell, std::vector<int>& numbers) {
    numbers.clear();
    std::size_t at = cell.find_first_not_of(kPackedSeparators);
    if (at == std::string_view::npos || cell.find_first_not_of(" \t") != at) return false;
    while (at != std::string_view::npos) {
        const std::size_t end = cell.find_first_of(kPackedSeparators, at);
        const auto value = digitsValue(cell.substr(at, end == std::string_view::npos ? end : end - at));
        if (!value) {
            numbers.clear();
            return false;
        }
        numbers.push_back(*value);
        at = cell.find_first_not_of(kPackedSeparators, end == std::string_view::npos ? cell.size() : end);
    }
    if (numbers.size() >= 2) return true;
    numbers.clear();
    return false;
}

}  // namespace numora
