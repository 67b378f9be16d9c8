#include "Gallery.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/services/QtPrompter.h"
#include "ui/help/EditHelpScreen.h"
#include "ui/help/MainHelpScreen.h"
#include "ui/help/PastHelpScreen.h"

namespace numora::gallery {

namespace {

constexpr char kSampleReport[] =
    "Your Predicted numbers have been exported to\r \\Program Files\\Numora\\LottoExport.txt on "
    "your Pocket PC., \rGOOD LUCK!";

}  // namespace

void shootHelpScreens(Gallery& gallery) {
    MainHelpScreen help;
    gallery.saveWidget(QStringLiteral("help-main"), help);
    PastHelpScreen pastHelp;
    gallery.saveWidget(QStringLiteral("help-past"), pastHelp);
    EditHelpScreen editHelp;
    gallery.saveWidget(QStringLiteral("help-edit"), editHelp);
}

void shootMessages(Gallery& gallery) {
    QtPrompter prompter;
    gallery.saveModal(QStringLiteral("message-report"),
                      [&] { prompter.report(kSampleReport, PromptIcon::Information); });
    gallery.saveModal(QStringLiteral("message-question"),
                      [&] { prompter.ask(mainwindow::kEraseQuestion); });
}

}  // namespace numora::gallery
