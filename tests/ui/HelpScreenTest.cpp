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

TEST(HelpScreens, eachScreenHasItsTitleIconsAndClosingButton) {
    MainHelpScreen help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Help"));
    EXPECT_EQ(labelText(help, "pastDrawsHelpCaption"), QStringLiteral("Past Draws Button"));
    EXPECT_EQ(labelText(help, "statsHelpCaption"), QStringLiteral("Stats Button"));
    for (const char* line : {"exportPicksHelp", "lotteryProfileHelp", "erasePicksHelp"})
        EXPECT_TRUE(hasIcon(help, line)) << line;
    EXPECT_EQ(closeCaption(help), QStringLiteral("Cancel"));

    PastHelpScreen pastHelp;
    EXPECT_EQ(pastHelp.windowTitle(), QStringLiteral("Past Help"));
    for (const char* line : {"importDrawsHelp", "exportDrawsHelp"})
        EXPECT_TRUE(hasIcon(pastHelp, line)) << line;
    EXPECT_EQ(closeCaption(pastHelp), QStringLiteral("CLOSE"));

    EditHelpScreen editHelp;
    EXPECT_EQ(editHelp.windowTitle(), QStringLiteral("Edit Help"));
    EXPECT_EQ(closeCaption(editHelp), QStringLiteral("Close"));
}

TEST(HelpScreens, pastHelpKeepsTheTwoBlanksAfterTheFirstFullStop) {
    PastHelpScreen help;
    EXPECT_EQ(labelText(help, "enterDrawHelp"),
              QStringLiteral("Select the date of the draw, enter the numbers that were drawn "
                             "including the bonus or PowerBall.  Hit TAB on the built-in keyboard "
                             "and enter each ball's number."));
}

TEST(HelpScreens, editHelpListsTheFieldsFromTheTopDown) {
    EditHelpScreen help;
    help.show();
    QList<QLabel*> labels = help.findChildren<QLabel*>();
    std::sort(labels.begin(), labels.end(),
              [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    QStringList fields;
    for (const QLabel* label : labels) fields << label->text().section(QLatin1Char(':'), 0, 0);
    EXPECT_EQ(fields, QStringList({"LOTTERY", "Number of Balls", "Lowest Ball", "Highest Ball",
                                   "Highest Bonus", "CheckBoxes", "Save", "Delete"}));
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
