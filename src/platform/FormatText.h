#pragma once

#include <cstdio>
#include <string>

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

}  // namespace numora
