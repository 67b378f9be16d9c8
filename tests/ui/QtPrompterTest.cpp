#include "ui/QtPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace numora {
namespace {

// What the message box showed, and which of its buttons the test pressed.
struct SeenBox {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next message box with `answer` once it is on screen.
SeenBox answerNextBox(QMessageBox::StandardButton answer, const std::function<void()>& open) {
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box";
            return;
        }
        seen = {box->text(), box->icon(), box->standardButtons()};
        box->button(answer)->click();
    });
    open();
    return seen;
}

TEST(QtPrompter, loneCarriageReturnsBreakTheLineForDisplayOnly) {
    EXPECT_EQ(QtPrompter::displayText("exported to\r a.txt on your Pocket PC., \rGOOD LUCK!"),
              QStringLiteral("exported to\n a.txt on your Pocket PC., \nGOOD LUCK!"));
    EXPECT_EQ(QtPrompter::displayText("a\r\nb\n\r"), QStringLiteral("a\r\nb\n\n"));
    EXPECT_EQ(QtPrompter::displayText("Ready  "), QStringLiteral("Ready  "));
}

TEST(QtPrompter, reportShowsTheTextWithItsIconAndAnOkButton) {
    QtPrompter prompter;
    SeenBox seen = answerNextBox(QMessageBox::Ok, [&] {
        prompter.report("ERROR 201:Ini file failed to save");
    });
    EXPECT_EQ(seen.text, QStringLiteral("ERROR 201:Ini file failed to save"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);

    seen = answerNextBox(QMessageBox::Ok, [&] {
        prompter.report("done\rGOOD LUCK!", PromptIcon::Information);
    });
    EXPECT_EQ(seen.text, QStringLiteral("done\nGOOD LUCK!"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
}

TEST(QtPrompter, questionShowsTheWarningIconAndReportsTheAnswer) {
    QtPrompter prompter;
    bool answer = false;
    const SeenBox seen = answerNextBox(QMessageBox::Yes, [&] {
        answer = prompter.ask("Erase all lucky picks?\nARE YOU SURE?");
    });
    EXPECT_TRUE(answer);
    EXPECT_EQ(seen.text, QStringLiteral("Erase all lucky picks?\nARE YOU SURE?"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);

    answerNextBox(QMessageBox::No, [&] { answer = prompter.ask("Save changes?"); });
    EXPECT_FALSE(answer);
}

}  // namespace
}  // namespace numora
