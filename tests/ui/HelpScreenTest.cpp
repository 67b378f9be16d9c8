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

bool hasIcon(const QWidget& screen, const char* name) {
    const auto* label = screen.findChild<QLabel*>(QString::fromLatin1(name) + QStringLiteral("Icon"));
    return label && !label->pixmap().isNull();
}

QString closeCaption(const QWidget& screen) {
    const auto* button = screen.findChild<QPushButton*>(QStringLiteral("closeButton"));
    return button ? button->text() : QString();
}

TEST(HelpScreens, mainHelpHasEveryTextAndIcon) {
    MainHelpScreen help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Help"));
    EXPECT_EQ(labelText(help, "pastDrawsHelpCaption"), QStringLiteral("Past Draws Button"));
    EXPECT_EQ(labelText(help, "pastDrawsHelp"), QStringLiteral("Go to the Past draws screen"));
    EXPECT_EQ(labelText(help, "statsHelpCaption"), QStringLiteral("Stats Button"));
    EXPECT_EQ(labelText(help, "statsHelp"), QStringLiteral("Go to the Statistics screen"));
    EXPECT_EQ(labelText(help, "pickHelp"),
              QStringLiteral("Select the lottery from the drop down box and tap PICK to calculate numbers."));
    EXPECT_EQ(labelText(help, "exportPicksHelp"),
              QStringLiteral("Export the selected number list to a text file for Word"));
    EXPECT_EQ(labelText(help, "lotteryProfileHelp"),
              QStringLiteral("ADD, EDIT, or DELETE a lottery profile."));
    EXPECT_EQ(labelText(help, "erasePicksHelp"),
              QStringLiteral("Erase all of the picked numbers from the Pick-List"));
    EXPECT_TRUE(hasIcon(help, "exportPicksHelp"));
    EXPECT_TRUE(hasIcon(help, "lotteryProfileHelp"));
    EXPECT_TRUE(hasIcon(help, "erasePicksHelp"));
    EXPECT_EQ(closeCaption(help), QStringLiteral("Cancel"));
}

TEST(HelpScreens, pastHelpKeepsTheTwoBlanksAfterTheFirstFullStop) {
    PastHelpScreen help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Past Help"));
    EXPECT_EQ(labelText(help, "enterDrawHelp"),
              QStringLiteral("Select the date of the draw, enter the numbers that were drawn "
                             "including the bonus or PowerBall.  Hit TAB on the built-in keyboard "
                             "and enter each ball's number."));
    EXPECT_EQ(labelText(help, "addDrawHelp"),
              QStringLiteral("Tap ADD TO LIST to add the number to the end of the list or tap "
                             "INSERT to add the numbers to just above the selected line. Close to "
                             "exit without changes"));
    EXPECT_EQ(labelText(help, "importDrawsHelp"),
              QStringLiteral("IMPORT: Import a .csv list of past draws"));
    EXPECT_EQ(labelText(help, "exportDrawsHelp"),
              QStringLiteral("EXPORT: Export the list to a .csv file. Great for back-ups or sharing"));
    EXPECT_TRUE(hasIcon(help, "importDrawsHelp"));
    EXPECT_TRUE(hasIcon(help, "exportDrawsHelp"));
    EXPECT_EQ(closeCaption(help), QStringLiteral("CLOSE"));
}

TEST(HelpScreens, editHelpListsTheFieldsFromTheTopDown) {
    EditHelpScreen help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Edit Help"));
    const QStringList expected = {
        QStringLiteral("LOTTERY: Select the name of the Lottery you wish to edit or enter a new "
                       "lottery name to add a lottery to the list"),
        QStringLiteral("Number of Balls: The number of balls from 3 to 7 that you pick when buying a ticket"),
        QStringLiteral("Lowest Ball: the lowest ball number, either 1 or 0"),
        QStringLiteral("Highest Ball: The highest number on the ball, up to 99"),
        QStringLiteral("Highest Bonus: The highest bonus or PowerBall number that can be drawn."),
        QStringLiteral("CheckBoxes: Check off the box or boxes that apply to the selected lottery."),
        QStringLiteral("Save: Saves the current lottery if not new or adds it if new."),
        QStringLiteral("Delete: Delete selected lottery"),
    };
    help.show();
    QList<QLabel*> labels = help.findChildren<QLabel*>();
    std::sort(labels.begin(), labels.end(),
              [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    QStringList shown;
    for (const QLabel* label : labels) shown << label->text();
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(closeCaption(help), QStringLiteral("Close"));
}

std::unique_ptr<HelpScreen> makeScreen(int which) {
    switch (which) {
    case 0: return std::make_unique<MainHelpScreen>();
    case 1: return std::make_unique<PastHelpScreen>();
    default: return std::make_unique<EditHelpScreen>();
    }
}

TEST(HelpScreens, everyTextFitsThePortraitScreenWithoutBeingCut) {
    for (int which = 0; which < 3; ++which) {
        const auto screen = makeScreen(which);
        screen->show();
        EXPECT_EQ(screen->size(), HelpScreen::screenSize()) << which;
        for (const QLabel* label : screen->findChildren<QLabel*>()) {
            const QRect inside = label->geometry();
            EXPECT_TRUE(screen->rect().contains(inside)) << label->objectName().toStdString();
            if (label->wordWrap()) {
                EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                    << label->objectName().toStdString();
            }
        }
        const auto* close = screen->findChild<QPushButton*>(QStringLiteral("closeButton"));
        ASSERT_NE(close, nullptr);
        EXPECT_TRUE(screen->rect().contains(close->geometry())) << which;
    }
}

TEST(HelpScreens, closeButtonEndsTheRunWithResultZero) {
    for (int which = 0; which < 3; ++which) {
        const auto screen = makeScreen(which);
        QTimer::singleShot(0, screen.get(), [&] {
            screen->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        });
        EXPECT_EQ(screen->exec(), 0) << which;
    }
}

}  // namespace
}  // namespace numora
