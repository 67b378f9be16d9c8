#pragma once

#include <string>
#include <string_view>

namespace numora {

// Text for a terminal that came from a file or a command line: control
// characters, which would move the cursor, clear the screen or retitle the
// window, are shown escaped instead, "\x1B" (C1 controls "\u009B"). Line
// ends and tabs stay, so a message of several lines keeps them; bytes that
// are not UTF-8 show as U+FFFD.
std::string printableText(std::string_view utf8);

}  // namespace numora
