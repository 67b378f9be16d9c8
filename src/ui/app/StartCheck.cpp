#include "ui/app/StartCheck.h"

#include <QDialog>
#include <QEvent>

#include <cstdio>
#include <ostream>

#include "ui/services/QtPrompter.h"

namespace numora {

namespace {

constexpr char kMessagePrefix[] = "numora: ";
constexpr char kAnsweredNo[] = " (answered No)";

}  // namespace

StartCheck::StartCheck(QDialog& window) : window_(window) { window_.installEventFilter(this); }

bool StartCheck::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // The window's controls paint in the same pass, and the pass reaches
        // the screen before the event loop takes the next posted call.
        QMetaObject::invokeMethod(
            &window_,
            [this] {
                std::fputs(kStartedLine, stdout);
                std::fflush(stdout);
                window_.done(QDialog::Accepted);
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

StartCheckPrompter::StartCheckPrompter(std::ostream& out) : out_(out) {}

void StartCheckPrompter::report(const std::string& text, PromptIcon) {
    spoke_ = true;
    out_ << kMessagePrefix << QtPrompter::displayText(text).toStdString() << '\n' << std::flush;
}

bool StartCheckPrompter::ask(const std::string& question) {
    spoke_ = true;
    out_ << kMessagePrefix << QtPrompter::displayText(question).toStdString() << kAnsweredNo << '\n' << std::flush;
    return false;
}

}  // namespace numora
