#include "draws/EnteredDrawText.h"

#include <charconv>
#include <optional>

#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr char kBallNotNumberFormat[] = "Ball %d must be a whole number.";
constexpr char kBonusNotNumber[] = "Bonus or PowerBall must be a whole number.";

std::optional<std::int32_t> wholeNumber(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::variant<EnteredDraw, DrawCheckFailure> readEnteredDraw(const EnteredDrawTexts& texts) {
    EnteredDraw numbers{};
    for (int box = 0; box < static_cast<int>(texts.size()); ++box) {
        const auto value = wholeNumber(texts[static_cast<std::size_t>(box)]);
        if (!value) {
            std::string message = box == kBonusBox ? kBonusNotNumber : formatText(kBallNotNumberFormat, box + 1);
            return DrawCheckFailure{std::move(message), box, false};
        }
        numbers[static_cast<std::size_t>(box)] = *value;
    }
    return numbers;
}

}  // namespace numora
