#include "draws/NumberText.h"

#include <cstdio>

namespace numora {

namespace {
constexpr char kTwoDigitFormat[] = "%2.2d";
}

std::string twoDigitText(int value) {
    char text[16];
    std::snprintf(text, sizeof text, kTwoDigitFormat, value);
    return text;
}

}  // namespace numora
