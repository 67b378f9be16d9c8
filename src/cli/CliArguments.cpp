#include <charconv>

#include "CliCommand.h"

namespace numora {

std::optional<CliArguments> CliArguments::parse(const std::vector<std::string>& words,
                                                const std::set<std::string>& valuedOptions,
                                                const std::set<std::string>& flags, std::string& error) {
    CliArguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 3 || word.rfind("--", 0) != 0) {
            arguments.positional_.push_back(word);
        } else if (flags.count(word) != 0) {
            arguments.flags_.insert(word);
        } else if (valuedOptions.count(word) != 0) {
            if (i + 1 >= words.size()) {
                error = "option " + word + " needs a value";
                return std::nullopt;
            }
            arguments.values_[word] = words[++i];
        } else {
            error = "unknown option " + word;
            return std::nullopt;
        }
    }
    return arguments;
}

std::optional<std::string> CliArguments::value(const std::string& option) const {
    const auto found = values_.find(option);
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

std::optional<int> CliArguments::intValue(const std::string& option, int fallback, std::string& error) const {
    const auto text = value(option);
    if (!text) return fallback;
    int number = 0;
    const auto [end, code] = std::from_chars(text->data(), text->data() + text->size(), number);
    if (code != std::errc() || end != text->data() + text->size()) {
        error = "option " + option + " needs a whole number, not \"" + *text + "\"";
        return std::nullopt;
    }
    return number;
}

}  // namespace numora
