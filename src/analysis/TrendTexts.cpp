#include "analysis/TrendTexts.h"

#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr char kExpectedFormat[] = "%.2f";
constexpr char kNeverSeen[] = "-";

}  // namespace

std::string expectedCountText(double expected) { return formatText(kExpectedFormat, expected); }

std::string drawsSinceText(const NumberTrend& trend) {
    return trend.drawsSinceSeen ? std::to_string(*trend.drawsSinceSeen) : kNeverSeen;
}

}  // namespace numora
