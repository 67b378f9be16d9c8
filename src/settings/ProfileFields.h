#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/LotteryProfile.h"
#include "settings/ProfileLimits.h"

namespace numora {

// The profile editor's fields, in the order they are checked, then the
// second drum's.
enum class ProfileField { Name, Balls, LowestBall, HighestBall, HighestBonus, Drum2, Drum2Lowest, Drum2Highest };

// The four number fields: the box's name in messages, what it accepts and
// where its value goes.
struct ProfileNumberField {
    ProfileField field;
    std::string_view boxName;
    ProfileFieldLimits limits;
    int LotteryProfile::*value;
};

inline constexpr std::array<ProfileNumberField, 4> kProfileNumberFields{{
    {ProfileField::Balls, "Number of Balls", kBallsLimits, &LotteryProfile::balls},
    {ProfileField::LowestBall, "Lowest Ball", kLowestBallLimits, &LotteryProfile::min},
    {ProfileField::HighestBall, "Highest Ball", kHighestBallLimits, &LotteryProfile::max},
    {ProfileField::HighestBonus, "Highest Bonus", kHighestBonusLimits, &LotteryProfile::bonus},
}};

// The three numbers of a second drum.
inline constexpr std::array<ProfileNumberField, 3> kDrum2NumberFields{{
    {ProfileField::Drum2, "Second Drum Balls", kDrum2Limits, &LotteryProfile::drum2},
    {ProfileField::Drum2Lowest, "Lowest Second Drum Ball", kDrum2LowestLimits, &LotteryProfile::drum2Min},
    {ProfileField::Drum2Highest, "Highest Second Drum Ball", kDrum2HighestLimits, &LotteryProfile::drum2Max},
}};

// True when each of the profile's four numbers is one its field accepts, and
// its second drum, if any, has no problem. The settings file can be edited by
// hand, so what is read may not be.
bool profileWithinLimits(const LotteryProfile& profile);

// The texts of the name and the number fields as typed.
struct ProfileFieldTexts {
    std::string name;
    std::array<std::string, kProfileNumberFields.size()> numbers;  // in kProfileNumberFields order
};

// Which names a check lets through: Save needs a name that can be a lottery
// (lotteryNameProblem); Delete only matches a listed name, so it refuses no
// more than the field's length limit.
enum class NameCheck { UsableName, FieldLength };

struct ProfileFieldProblem {
    ProfileField field;
    std::string message;

    friend bool operator==(const ProfileFieldProblem&, const ProfileFieldProblem&) = default;
};

// Takes the typed fields into the profile's name and numbers, field by field;
// the first field that fails stops the check with a message that names the box
// and what it accepts ("Highest Ball: Please enter an integer between 3 and
// 99."), whether it is empty, not a whole number or out of range. The flags
// are left to the caller.
std::optional<ProfileFieldProblem> takeProfileFields(const ProfileFieldTexts& texts, NameCheck check,
                                                     LotteryProfile& profile);

// Told when the balls leave no slot for a second drum.
inline constexpr char kNoSlotForSecondDrum[] =
    "Second Drum Balls: a line of 7 balls leaves no slot for a second drum; lower Number of Balls first.";

// What is wrong with a lottery's second drum, checked field by field as the
// editor checks its boxes: each of the three numbers within its limits; the
// balls and the second drum's numbers together in at most the seven ball
// slots ("Second Drum Balls: Please enter an integer between 1 and 2." for
// five balls); at least as many numbers from the lowest to the highest as a
// line takes from the drum. nullopt for a lottery without a second drum or
// with a good one.
std::optional<ProfileFieldProblem> secondDrumProblem(const LotteryProfile& profile);

// The texts of the second drum's fields as typed, in kDrum2NumberFields order.
using Drum2FieldTexts = std::array<std::string, kDrum2NumberFields.size()>;

// Takes typed second drum fields into the profile as takeProfileFields takes
// the others, then checks the drum against the profile's balls; the profile
// changes only when all is well.
std::optional<ProfileFieldProblem> takeDrum2Fields(const Drum2FieldTexts& texts, LotteryProfile& profile);

}  // namespace numora
