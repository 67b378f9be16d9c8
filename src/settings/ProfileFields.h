#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/LotteryProfile.h"
#include "settings/ProfileLimits.h"

namespace numora {

// The profile editor's fields, in the order they are checked.
enum class ProfileField { Name, Balls, LowestBall, HighestBall, HighestBonus };

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

// True when each of the profile's four numbers is one its field accepts. The
// settings file can be edited by hand, so what is read may not be.
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

}  // namespace numora
