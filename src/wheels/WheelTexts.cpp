#include "wheels/WheelTexts.h"

#include <cmath>

#include "platform/FormatText.h"

namespace numora::wheeltexts {

namespace {
constexpr char kPercent[] = "%.1f%%";
constexpr double kTenthsOfPercent = 1000.0;
}  // namespace

std::string fillIn(std::string_view text, std::initializer_list<std::string> values) {
    constexpr std::string_view kMark = "%s";
    std::string filled;
    auto value = values.begin();
    for (std::size_t at = text.find(kMark); at != std::string_view::npos && value != values.end();
         at = text.find(kMark), ++value) {
        filled.append(text.substr(0, at)).append(*value);
        text.remove_prefix(at + kMark.size());
    }
    return filled.append(text);
}

std::string numberText(long long number) { return std::to_string(number); }

std::string countText(std::uint64_t count) {
    std::string digits = std::to_string(count);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, ',');
    return digits;
}

std::string shareText(std::uint64_t part, std::uint64_t whole) {
    if (whole == 0) return formatText(kPercent, 0.0);
    // Rounded down, so a share that misses anything never reads 100.0%.
    const double tenths =
        std::floor(static_cast<double>(part) * kTenthsOfPercent / static_cast<double>(whole));
    return formatText(kPercent, tenths / 10.0);
}

}  // namespace numora::wheeltexts
