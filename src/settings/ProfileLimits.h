#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

// What the profile editor accepts in each field of a lottery profile.
struct ProfileFieldLimits {
    int lowest;
    int highest;
};

inline constexpr ProfileFieldLimits kBallsLimits{3, 7};
inline constexpr ProfileFieldLimits kLowestBallLimits{0, 1};
inline constexpr ProfileFieldLimits kHighestBallLimits{3, 99};
inline constexpr ProfileFieldLimits kHighestBonusLimits{0, 99};
// The second drum's fields, for a lottery that has one.
inline constexpr ProfileFieldLimits kDrum2Limits{1, 3};
inline constexpr ProfileFieldLimits kDrum2LowestLimits{0, 1};
inline constexpr ProfileFieldLimits kDrum2HighestLimits{1, 99};

// The ball slots of a draw, which the balls and the second drum's numbers share.
inline constexpr int kBallSlots = 7;

// The longest lottery name, in UTF-16 code units (the editor's field limit).
inline constexpr std::size_t kLongestLotteryName = 20;

inline constexpr bool withinLimits(int value, ProfileFieldLimits limits) {
    return value >= limits.lowest && value <= limits.highest;
}

// "3 to 7", or "0 or 1" for two neighbouring numbers.
std::string limitsText(ProfileFieldLimits limits);

// "Please enter an integer between 3 and 7."
std::string profileRangeMessage(ProfileFieldLimits limits);

// A profile number as typed: a whole number (spaces around it allowed) within
// the limits. Otherwise nullopt, and message holds the framework's standard
// text ("Please enter an integer." or "Please enter an integer between 3 and 7.").
std::optional<int> parseProfileNumber(std::string_view text, ProfileFieldLimits limits, std::string& message);

}  // namespace numora
