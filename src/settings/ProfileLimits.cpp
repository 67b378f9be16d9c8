#include "settings/ProfileLimits.h"

#include <charconv>

namespace numora {

namespace {

constexpr std::string_view kNotAnIntegerMessage = "Please enter an integer.";
constexpr std::string_view kRangeMessageStart = "Please enter an integer between ";
constexpr std::string_view kRangeMessageMiddle = " and ";
constexpr std::string_view kRangeMessageEnd = ".";
constexpr std::string_view kRangeTo = " to ";
constexpr std::string_view kRangeOr = " or ";

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string limitsText(ProfileFieldLimits limits) {
    const std::string_view between = limits.highest == limits.lowest + 1 ? kRangeOr : kRangeTo;
    return std::to_string(limits.lowest) + std::string(between) + std::to_string(limits.highest);
}

std::string profileRangeMessage(ProfileFieldLimits limits) {
    return std::string(kRangeMessageStart) + std::to_string(limits.lowest) + std::string(kRangeMessageMiddle) +
           std::to_string(limits.highest) + std::string(kRangeMessageEnd);
}

std::optional<int> parseProfileNumber(std::string_view text, ProfileFieldLimits limits, std::string& message) {
    const std::string_view digits = trimSpaces(text);
    const char* begin = digits.data();
    const char* end = digits.data() + digits.size();
    if (begin != end && *begin == '+') ++begin;
    int number = 0;
    const auto [stop, code] = std::from_chars(begin, end, number);
    if (digits.empty() || code == std::errc::invalid_argument || stop != end) {
        message = kNotAnIntegerMessage;
        return std::nullopt;
    }
    if (code == std::errc::result_out_of_range || !withinLimits(number, limits)) {
        message = profileRangeMessage(limits);
        return std::nullopt;
    }
    return number;
}

}  // namespace numora
