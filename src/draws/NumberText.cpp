#include "draws/NumberText.h"

#include "platform/FormatText.h"

namespace numora {

namespace {
constexpr char kTwoDigitFormat[] = "%2.2d";
}

std::string twoDigitText(int value) { return formatText(kTwoDigitFormat, value); }

}  // namespace numora
