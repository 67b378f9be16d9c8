#include "ui/app/StartCheck.h"

#include <QDialog>
#include <QEvent>

#include <cstdio>
#include <ostream>

#include "platform/PrintableText.h"
#include "ui/services/QtPrompter.h"

namespace numora {

namespace {

constexpr char kMessagePrefix[] = "numora: ";
constexpr char kAnsweredNo[] = " (answered No)";

// A message as a box would show it, made safe for a terminal.
std::string shown(const std::string& text) { return printableText(QtPrompter::displayText(text).toStdString()); }

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
    out_ << kMessagePrefix << shown(text) << '\n' << std::flush;
}

bool StartCheckPrompter::ask(const std::string& question) {
    spoke_ = true;
    out_ << kMessagePrefix << shown(question) << kAnsweredNo << '\n' << std::flush;
    return false;
}

}  // namespace numora
