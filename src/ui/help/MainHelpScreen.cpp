#include "ui/help/MainHelpScreen.h"

#include "ui/art/Icons.h"

namespace numora {

namespace {

constexpr char kTitle[] = "Help";
constexpr char kPastDrawsCaption[] = "Past Draws Button";
constexpr char kPastDrawsText[] = "Go to the Past draws screen";
constexpr char kStatsCaption[] = "Stats Button";
constexpr char kStatsText[] = "Go to the Statistics screen";
constexpr char kPickText[] =
    "Select the lottery from the drop down box and tap PICK to calculate numbers.";
constexpr char kExportText[] = "Export the selected number list to a text file for Word";
constexpr char kProfileText[] = "ADD, EDIT, or DELETE a lottery profile.";
constexpr char kEraseText[] = "Erase all of the picked numbers from the Pick-List";
constexpr char kCancel[] = "Cancel";

constexpr int kCaptionColumnWidth = 92;

constexpr HelpLine kLines[] = {
    {"pastDrawsHelp", kPastDrawsText, kPastDrawsCaption},
    {"statsHelp", kStatsText, kStatsCaption},
    {"pickHelp", kPickText},
    {"exportPicksHelp", kExportText, nullptr, art::kExportPicksIcon},
    {"lotteryProfileHelp", kProfileText, nullptr, art::kLotteryProfileIcon},
    {"erasePicksHelp", kEraseText, nullptr, art::kErasePicksIcon},
};

}  // namespace

MainHelpScreen::MainHelpScreen(QWidget* parent)
    : HelpScreen(kTitle, kLines, kCaptionColumnWidth, kCancel, parent) {
    setObjectName(QStringLiteral("mainHelpScreen"));
}

}  // namespace numora
