#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// Writes values by a printf-style format (one of the program's format
// constants), whatever the length of the result.
template <typename... Values>
std::string formatText(const char* format, Values... values) {
    char shortText[256];
    const int length = std::snprintf(shortText, sizeof shortText, format, values...);
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < sizeof shortText)
        return std::string(shortText, static_cast<std::size_t>(length));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, values...);
    text.pop_back();
    return text;
}

// The texts one after the other with the separator between them.
inline std::string joinTexts(const std::vector<std::string>& texts, std::string_view separator) {
    std::string joined;
    for (const std::string& text : texts) {
        if (&text != &texts.front()) joined += separator;
        joined += text;
    }
    return joined;
}

}  // namespace numora
