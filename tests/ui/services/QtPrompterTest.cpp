#include "ui/services/QtPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace numora {
namespace {

// What the message box showed.
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
        ASSERT_NE(box, nullptr) << "no message box";
        seen = {box->text(), box->icon(), box->standardButtons()};
        box->button(answer)->click();
    });
    open();
    return seen;
}

TEST(QtPrompter, reportsShowTheirIconAndOkAndQuestionsTheWarningAndTheAnswer) {
    QtPrompter prompter;
    SeenBox seen = answerNextBox(QMessageBox::Ok, [&] { prompter.report("ERROR 201:Ini file failed to save"); });
    EXPECT_EQ(seen.text, QStringLiteral("ERROR 201:Ini file failed to save"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);

    // A lone carriage return breaks the line; CR LF stays as it is.
    seen = answerNextBox(QMessageBox::Ok, [&] { prompter.report("a\r\nb\rGOOD LUCK!", PromptIcon::Information); });
    EXPECT_EQ(seen.text, QStringLiteral("a\r\nb\nGOOD LUCK!"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);

    bool answer = false;
    seen = answerNextBox(QMessageBox::Yes, [&] { answer = prompter.ask("Erase all lucky picks?\nARE YOU SURE?"); });
    EXPECT_TRUE(answer);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    answerNextBox(QMessageBox::No, [&] { answer = prompter.ask("Save changes?"); });
    EXPECT_FALSE(answer);
}

}  // namespace
}  // namespace numora
