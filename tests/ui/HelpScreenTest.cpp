#include "ui/help/EditHelpScreen.h"
#include "ui/help/MainHelpScreen.h"
#include "ui/help/PastHelpScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace numora {
namespace {

QString labelText(const QWidget& screen, const char* name) {
    const auto* label = screen.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QString::fromLatin1(name));
}

TEST(HelpScreens, eachScreenHasItsTitleAndIconsFitsThePortraitScreenAndClosesWithResultZero) {
    const struct {
        std::unique_ptr<HelpScreen> screen;
        const char* title;
        const char* closeCaption;
        int icons;
    } cases[] = {{std::make_unique<MainHelpScreen>(), "Help", "Cancel", 3},
                 {std::make_unique<PastHelpScreen>(), "Past Help", "CLOSE", 2},
                 {std::make_unique<EditHelpScreen>(), "Edit Help", "Close", 0}};
    for (const auto& [screen, title, closeCaption, iconCount] : cases) {
        SCOPED_TRACE(title);
        screen->show();
        EXPECT_EQ(screen->windowTitle(), QString::fromLatin1(title));
        EXPECT_EQ(screen->size(), HelpScreen::screenSize());
        int icons = 0;
        for (const QLabel* label : screen->findChildren<QLabel*>()) {
            const std::string name = label->objectName().toStdString();
            EXPECT_TRUE(screen->rect().contains(label->geometry())) << name;
            if (label->wordWrap()) {
                EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name;
            }
            icons += label->pixmap().isNull() ? 0 : 1;
        }
        EXPECT_EQ(icons, iconCount);
        auto* close = screen->findChild<QPushButton*>(QStringLiteral("closeButton"));
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->text(), QString::fromLatin1(closeCaption));
        EXPECT_TRUE(screen->rect().contains(close->geometry()));
        QTimer::singleShot(0, close, &QPushButton::click);
        EXPECT_EQ(screen->exec(), 0);
    }
}

TEST(HelpScreens, textsAreShownExactlyWithTheirCaptionsAndTheEditFieldsInOrder) {
    MainHelpScreen help;
    EXPECT_EQ(labelText(help, "pastDrawsHelpCaption"), QStringLiteral("Past Draws Button"));
    EXPECT_EQ(labelText(help, "statsHelpCaption"), QStringLiteral("Stats Button"));
    // Two blanks after the first full stop.
    EXPECT_EQ(labelText(PastHelpScreen(), "enterDrawHelp"),
              QStringLiteral("Select the date of the draw, enter the numbers that were drawn "
                             "including the bonus or PowerBall.  Hit TAB on the built-in keyboard "
                             "and enter each ball's number."));

    EditHelpScreen editHelp;
    editHelp.show();
    QList<QLabel*> labels = editHelp.findChildren<QLabel*>();
    std::sort(labels.begin(), labels.end(), [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    QStringList fields;
    for (const QLabel* label : labels) fields << label->text().section(QLatin1Char(':'), 0, 0);
    EXPECT_EQ(fields, QStringList({"LOTTERY", "Number of Balls", "Lowest Ball", "Highest Ball", "Highest Bonus",
                                   "CheckBoxes", "Save", "Delete"}));
}

}  // namespace
}  // namespace numora
