#include <gtest/gtest.h>

#include "draws/EnteredDrawText.h"

namespace numora {
namespace {

TEST(EnteredDrawText, wholeNumbersAreReadAndTheFirstBoxWithoutOneIsNamedAndKept) {
    const EnteredDrawTexts typed{"1", "02", "49", "0", "0", "0", "0", "2147483647"};
    EXPECT_EQ(std::get<EnteredDraw>(readEnteredDraw(typed)), (EnteredDraw{1, 2, 49, 0, 0, 0, 0, 2147483647}));

    const struct {
        int box;
        std::string text;
        std::string message;
    } refused[] = {{2, "", "Ball 3 must be a whole number."},
                   {0, "x", "Ball 1 must be a whole number."},
                   {6, "-1", "Ball 7 must be a whole number."},
                   {3, " 4", "Ball 4 must be a whole number."},
                   {kBonusBox, "2147483648", "Bonus or PowerBall must be a whole number."}};
    for (const auto& [box, text, message] : refused) {
        EnteredDrawTexts texts = typed;
        texts[static_cast<std::size_t>(box)] = text;
        if (box != kBonusBox) texts[kBonusBox] = "";  // a later box that is wrong too
        EXPECT_EQ(std::get<DrawCheckFailure>(readEnteredDraw(texts)), (DrawCheckFailure{message, box, false}))
            << text;
    }
}

}  // namespace
}  // namespace numora
