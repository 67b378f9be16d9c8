// Which texts can be a lottery's name. The name is a section name of the
// settings file (which cannot hold "]"), a list value (whose leading spaces
// the reader drops) and, with ".dat", the name of the lottery's draw file in
// the data folder, so it must be a plain file name on every platform.

#include <array>

#include "platform/Utf16.h"
#include "settings/AsciiCase.h"
#include "settings/LotteryStore.h"
#include "settings/ProfileLimits.h"

namespace numora {

namespace {

constexpr std::string_view kEmptyName = "A lottery name cannot be empty.";
constexpr std::string_view kNotText = "A lottery name must be UTF-8 text.";
constexpr std::string_view kTooLongStart = "A lottery name can have at most ";
constexpr std::string_view kTooLongEnd = " characters.";
constexpr std::string_view kControlCharacter = "A lottery name cannot contain control characters.";
constexpr std::string_view kForbiddenStart = "A lottery name cannot contain the character ";
constexpr std::string_view kForbiddenEnd = ".";
constexpr std::string_view kDoubleDot = "A lottery name cannot contain \"..\".";
constexpr std::string_view kSpaceAtEnd = "A lottery name cannot begin or end with a space.";
constexpr std::string_view kDotAtEnd = "A lottery name cannot end with a dot.";
constexpr std::string_view kDeviceName = "A lottery name cannot be a device name such as CON, NUL, COM1 or LPT1.";

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|]";
constexpr std::string_view kParentFolder = "..";
constexpr std::array<std::string_view, 22> kDeviceNames{
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

bool isControl(char16_t unit) { return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F); }

}  // namespace

std::string lotteryNameTooLongMessage() {
    return std::string(kTooLongStart) + std::to_string(kLongestLotteryName) + std::string(kTooLongEnd);
}

std::optional<std::string> lotteryNameProblem(std::string_view name) {
    if (name.empty()) return std::string(kEmptyName);
    const std::u16string units = toUtf16(name);
    if (fromUtf16(units) != name) return std::string(kNotText);
    if (units.size() > kLongestLotteryName) return lotteryNameTooLongMessage();
    for (const char16_t unit : units) {
        if (isControl(unit)) return std::string(kControlCharacter);
    }
    const auto forbidden = name.find_first_of(kForbiddenCharacters);
    if (forbidden != std::string_view::npos) {
        return std::string(kForbiddenStart) + '"' + name[forbidden] + '"' + std::string(kForbiddenEnd);
    }
    if (name.find(kParentFolder) != std::string_view::npos) return std::string(kDoubleDot);
    if (name.front() == ' ' || name.back() == ' ') return std::string(kSpaceAtEnd);
    if (name.back() == '.') return std::string(kDotAtEnd);
    const std::string_view stem = name.substr(0, name.find('.'));
    for (const std::string_view device : kDeviceNames) {
        if (equalsIgnoringCase(stem, device)) return std::string(kDeviceName);
    }
    return std::nullopt;
}

}  // namespace numora
