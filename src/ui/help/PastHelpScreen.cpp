#include "ui/help/PastHelpScreen.h"

#include "ui/art/Icons.h"

namespace numora {

namespace {

constexpr char kTitle[] = "Past Help";
constexpr char kEnterText[] =
    "Select the date of the draw, enter the numbers that were drawn including the bonus or "
    "PowerBall.  Hit TAB on the built-in keyboard and enter each ball's number.";
constexpr char kAddText[] =
    "Tap ADD TO LIST to add the number to the end of the list or tap INSERT to add the numbers "
    "to just above the selected line. Close to exit without changes";
constexpr char kImportText[] = "IMPORT: Import a .csv list of past draws";
constexpr char kExportText[] = "EXPORT: Export the list to a .csv file. Great for back-ups or sharing";
constexpr char kClose[] = "CLOSE";

constexpr HelpLine kLines[] = {
    {"enterDrawHelp", kEnterText},
    {"addDrawHelp", kAddText},
    {"importDrawsHelp", kImportText, nullptr, art::kImportDrawsIcon},
    {"exportDrawsHelp", kExportText, nullptr, art::kExportDrawsIcon},
};

}  // namespace

PastHelpScreen::PastHelpScreen(QWidget* parent)
    : HelpScreen(kTitle, kLines, 0, kClose, parent) {
    setObjectName(QStringLiteral("pastHelpScreen"));
}

}  // namespace numora
