#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// Writes values by a printf-style format (one of the program's format
// constants), whatever the length of the result: the length is measured
// first, so no text is ever cut.
template <typename... Values>
std::string formatText(const char* format, Values... values) {
    const int length = std::snprintf(nullptr, 0, format, values...);
    if (length < 0) return {};
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
