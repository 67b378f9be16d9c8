#pragma once

#include <QString>

#include "platform/Prompter.h"

class QWidget;

namespace numora {

// Modal message boxes over a parent window: reports with an OK button and
// their icon, questions with Yes and No and the warning icon. The texts are
// shown as given, except that a lone carriage return breaks the line.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr);

    // The window the boxes are centred over, once it exists.
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void report(const std::string& text, PromptIcon icon = PromptIcon::None) override;
    bool ask(const std::string& question) override;

    // The text as a message box shows it.
    static QString displayText(const std::string& text);

private:
    QWidget* parent_;
};

}  // namespace numora
