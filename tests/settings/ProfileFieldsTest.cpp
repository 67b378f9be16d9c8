#include <gtest/gtest.h>

#include "settings/ProfileFields.h"

namespace numora {
namespace {

ProfileFieldTexts texts(std::string name, std::string balls, std::string min, std::string max, std::string bonus) {
    return {std::move(name), {std::move(balls), std::move(min), std::move(max), std::move(bonus)}};
}

TEST(ProfileFields, theFirstBadFieldStopsTheCheckWithItsBoxAndRangeAndAGoodFormFillsTheProfile) {
    const LotteryProfile before{"Old", 6, 1, 49, 49};
    const std::string balls = "Number of Balls: Please enter an integer between 3 and 7.";
    const std::string highest = "Highest Ball: Please enter an integer between 3 and 99.";
    const std::string bonus = "Highest Bonus: Please enter an integer between 0 and 99.";
    for (const auto& [form, field, message] : std::vector<std::tuple<ProfileFieldTexts, ProfileField, std::string>>{
             {texts("X", "8", "1", "49", "0"), ProfileField::Balls, balls},
             {texts("X", "6", "2", "100", "0"), ProfileField::LowestBall,
              "Lowest Ball: Please enter an integer between 0 and 1."},
             {texts("X", "6", "1", "100", "0"), ProfileField::HighestBall, highest},
             {texts("X", "6", "1", "49", "100"), ProfileField::HighestBonus, bonus},
             {texts("X", "", "1", "49", "0"), ProfileField::Balls, balls},
             {texts("X", "6", "1", "4 9", "0"), ProfileField::HighestBall, highest},
             {texts("X", "6", "1", "49", "7.5"), ProfileField::HighestBonus, bonus},
             {texts("", "8", "1", "49", "0"), ProfileField::Name, "A lottery name cannot be empty."},
             {texts("a]b", "6", "1", "49", "0"), ProfileField::Name,
              "A lottery name cannot contain the character \"]\"."}}) {
        LotteryProfile profile = before;
        EXPECT_EQ(takeProfileFields(form, NameCheck::UsableName, profile), (ProfileFieldProblem{field, message}))
            << message;
        EXPECT_EQ(profile, before);
    }

    // A good form fills the profile and keeps its flags; delete refuses only a name longer than the field.
    LotteryProfile profile{"Old", 6, 1, 49, 49, true, false, true, false};
    EXPECT_EQ(takeProfileFields(texts("Lotto 649", " 6", "1 ", "+49", "49"), NameCheck::UsableName, profile),
              std::nullopt);
    EXPECT_EQ(profile, (LotteryProfile{"Lotto 649", 6, 1, 49, 49, true, false, true, false}));
    EXPECT_EQ(takeProfileFields(texts("a]b", "6", "1", "49", "0"), NameCheck::FieldLength, profile), std::nullopt);
    EXPECT_EQ(takeProfileFields(texts(std::string(21, 'x'), "6", "1", "49", "0"), NameCheck::FieldLength, profile),
              (ProfileFieldProblem{ProfileField::Name, "A lottery name can have at most 20 characters."}));
}

TEST(ProfileFields, secondDrumFieldsAreCheckedAsTheOtherBoxesAndThenAgainstTheBalls) {
    const LotteryProfile before{"Euro", 5, 1, 50, 0};
    for (const auto& [texts, field, message] : std::vector<std::tuple<Drum2FieldTexts, ProfileField, std::string>>{
             {{"", "1", "12"}, ProfileField::Drum2, "Second Drum Balls: Please enter an integer between 1 and 3."},
             {{"2", "2", "12"}, ProfileField::Drum2Lowest,
              "Lowest Second Drum Ball: Please enter an integer between 0 and 1."},
             {{"2", "1", "100"}, ProfileField::Drum2Highest,
              "Highest Second Drum Ball: Please enter an integer between 1 and 99."},
             {{"2", "1", "1"}, ProfileField::Drum2Highest,
              "Highest Second Drum Ball: Please enter an integer between 2 and 99."}}) {
        LotteryProfile profile = before;
        EXPECT_EQ(takeDrum2Fields(texts, profile), (ProfileFieldProblem{field, message})) << message;
        EXPECT_EQ(profile, before);
    }
    LotteryProfile profile = before;
    profile.balls = 6;
    EXPECT_EQ(takeDrum2Fields({"2", "0", "9"}, profile),
              (ProfileFieldProblem{ProfileField::Drum2,
                                   "Second Drum Balls: Please enter an integer between 1 and 1."}));
    EXPECT_EQ(takeDrum2Fields({" 1", "0", "9 "}, profile), std::nullopt);
    EXPECT_EQ(std::tuple(profile.drum2, profile.drum2Min, profile.drum2Max), std::tuple(1, 0, 9));
    EXPECT_TRUE(profileWithinLimits(profile));
}

}  // namespace
}  // namespace numora
