#include "platform/PrintableText.h"

#include "platform/FormatText.h"
#include "platform/Utf16.h"

namespace numora {

namespace {

constexpr char kC0Escape[] = "\\x%02X";
constexpr char kC1Escape[] = "\\u%04X";
constexpr char16_t kSpace = 0x20;
constexpr char16_t kDelete = 0x7F;
constexpr char16_t kLastC1 = 0x9F;

}  // namespace

std::string printableText(std::string_view utf8) {
    std::u16string shown;
    for (const char16_t unit : toUtf16(utf8)) {
        if ((unit < kSpace && unit != u'\n' && unit != u'\t') || unit == kDelete) {
            shown += toUtf16(formatText(kC0Escape, static_cast<unsigned>(unit)));
        } else if (unit > kDelete && unit <= kLastC1) {
            shown += toUtf16(formatText(kC1Escape, static_cast<unsigned>(unit)));
        } else {
            shown += unit;
        }
    }
    return fromUtf16(shown);
}

}  // namespace numora
