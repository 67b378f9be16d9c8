#include "ui/help/EditHelpScreen.h"

namespace numora {

namespace {

constexpr char kTitle[] = "Edit Help";
constexpr char kLotteryText[] =
    "LOTTERY: Select the name of the Lottery you wish to edit or enter a new lottery name to add "
    "a lottery to the list";
constexpr char kBallsText[] =
    "Number of Balls: The number of balls from 3 to 7 that you pick when buying a ticket";
constexpr char kLowestText[] = "Lowest Ball: the lowest ball number, either 1 or 0";
constexpr char kHighestText[] = "Highest Ball: The highest number on the ball, up to 99";
constexpr char kBonusText[] =
    "Highest Bonus: The highest bonus or PowerBall number that can be drawn.";
constexpr char kCheckBoxesText[] =
    "CheckBoxes: Check off the box or boxes that apply to the selected lottery.";
constexpr char kSaveText[] = "Save: Saves the current lottery if not new or adds it if new.";
constexpr char kDeleteText[] = "Delete: Delete selected lottery";
constexpr char kClose[] = "Close";

constexpr HelpLine kLines[] = {
    {"lotteryHelp", kLotteryText},   {"ballsHelp", kBallsText},
    {"lowestBallHelp", kLowestText}, {"highestBallHelp", kHighestText},
    {"bonusHelp", kBonusText},       {"checkBoxesHelp", kCheckBoxesText},
    {"saveHelp", kSaveText},         {"deleteHelp", kDeleteText},
};

}  // namespace

EditHelpScreen::EditHelpScreen(QWidget* parent)
    : HelpScreen(kTitle, kLines, 0, kClose, parent) {
    setObjectName(QStringLiteral("editHelpScreen"));
}

}  // namespace numora
