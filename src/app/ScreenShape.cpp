#include "app/ScreenShape.h"

#include <charconv>

namespace numora {

namespace {
constexpr int kLandscapeBelowHeight = 320;
constexpr int kLargestSide = 10000;

bool parseSide(std::string_view text, int& side) {
    const auto [end, code] = std::from_chars(text.data(), text.data() + text.size(), side);
    return code == std::errc() && end == text.data() + text.size() && side >= 1 && side <= kLargestSide;
}
}  // namespace

ScreenShape screenShapeOf(ScreenSize size) {
    if (size.width == size.height) return ScreenShape::Square;
    if (size.height < kLandscapeBelowHeight) return ScreenShape::Landscape;
    return ScreenShape::Portrait;
}

std::optional<ScreenSize> parseScreenSize(std::string_view text) {
    const auto cross = text.find('x');
    if (cross == std::string_view::npos) return std::nullopt;
    ScreenSize size;
    if (!parseSide(text.substr(0, cross), size.width) || !parseSide(text.substr(cross + 1), size.height)) {
        return std::nullopt;
    }
    return size;
}

}  // namespace numora
