#include "settings/BallRuns.h"

#include <charconv>

namespace numora {

namespace {

constexpr char kRunJoin = '-';
constexpr char kRunSeparator = ',';
// Numbers in a row written as a run rather than one by one.
constexpr int kShortestWrittenRun = 3;

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<int> parseNumber(std::string_view text) {
    text = trimSpaces(text);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || text.front() == '-' || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

std::optional<BallRun> parseBallRun(std::string_view text) {
    const auto join = text.find(kRunJoin);
    const auto first = parseNumber(text.substr(0, join));
    if (!first) return std::nullopt;
    if (join == std::string_view::npos) return BallRun{*first, *first};
    const auto last = parseNumber(text.substr(join + 1));
    if (!last || *last < *first) return std::nullopt;
    return BallRun{*first, *last};
}

std::optional<std::vector<BallRun>> parseBallRuns(std::string_view text, std::string& bad) {
    std::vector<BallRun> runs;
    if (trimSpaces(text).empty()) return runs;
    while (true) {
        const auto separator = text.find(kRunSeparator);
        const std::string_view part = text.substr(0, separator);
        const auto run = parseBallRun(part);
        if (!run) {
            bad = trimSpaces(part);
            return std::nullopt;
        }
        runs.push_back(*run);
        if (separator == std::string_view::npos) return runs;
        text.remove_prefix(separator + 1);
    }
}

std::string ballSetText(const BallSet& numbers, std::string_view separator) {
    std::string text;
    for (int first = 0; first < kBallNumberCount; ++first) {
        if (!numbers[first]) continue;
        int last = first;
        while (last + 1 < kBallNumberCount && numbers[last + 1]) ++last;
        const bool asRun = last - first + 1 >= kShortestWrittenRun;
        if (!text.empty()) text += separator;
        text += std::to_string(first);
        if (asRun) {
            text += kRunJoin;
            text += std::to_string(last);
        } else {
            last = first;
        }
        first = last;
    }
    return text;
}

}  // namespace numora
