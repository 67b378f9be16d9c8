#pragma once

#include <QObject>
#include <iosfwd>

#include "platform/Prompter.h"

class QDialog;

namespace numora {

// Checks that the program starts: once the window has been painted, prints
// "started" on the standard output and closes the window as its close button
// would.
class StartCheck : public QObject {
public:
    static constexpr char kStartedLine[] = "started\n";

    explicit StartCheck(QDialog& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDialog& window_;
    bool painted_ = false;
};

// The messages of a start check, for the script that runs it: each goes to
// the error stream, control characters escaped, instead of a message box that
// would wait for a tap, and a question is answered No. Any message fails the
// check.
class StartCheckPrompter final : public Prompter {
public:
    explicit StartCheckPrompter(std::ostream& out);

    void report(const std::string& text, PromptIcon icon = PromptIcon::None) override;
    bool ask(const std::string& question) override;

    // Whether a message was written.
    bool spoke() const { return spoke_; }

private:
    std::ostream& out_;
    bool spoke_ = false;
};

}  // namespace numora
