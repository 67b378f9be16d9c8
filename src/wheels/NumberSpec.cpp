#include "wheels/NumberSpec.h"

#include <algorithm>
#include <charconv>

#include "wheels/WheelTexts.h"

namespace numora {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A whole number of at most a few digits, and nothing else.
std::optional<int> readNumber(std::string_view text) {
    constexpr std::size_t kMostDigits = 4;
    text = trimmed(text);
    if (text.empty() || text.size() > kMostDigits) return std::nullopt;
    int value = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (problem != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::vector<int>> readNumberSpec(std::string_view text, const LotteryProfile& lottery,
                                               std::string& error) {
    using namespace wheeltexts;
    std::vector<int> numbers;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
        const std::size_t dash = item.find('-');
        const auto first = readNumber(item.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : readNumber(item.substr(dash + 1));
        if (!first || !last || *last < *first) {
            error = fillIn(kNotNumberSpec, {std::string(text)});
            return std::nullopt;
        }
        for (const int number : {*first, *last}) {
            if (number < lottery.min || number > lottery.max) {
                error = fillIn(kNumberOutOfRange, {numberText(number), numberText(lottery.min), numberText(lottery.max)});
                return std::nullopt;
            }
        }
        for (int number = *first; number <= *last; ++number) numbers.push_back(number);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

}  // namespace numora
