#include "ui/services/QtPrompter.h"

#include <QMessageBox>

namespace numora {

namespace {

constexpr char kMessageTitle[] = "Numora";

QMessageBox::Icon boxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Stop: return QMessageBox::Critical;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtPrompter::QtPrompter(QWidget* parent) : parent_(parent) {}

QString QtPrompter::displayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const bool lone = shown[i] == u'\r' && (i + 1 == shown.size() || shown[i + 1] != u'\n');
        if (lone) shown[i] = u'\n';
    }
    return shown;
}

void QtPrompter::report(const std::string& text, PromptIcon icon) {
    QMessageBox box(boxIcon(icon), QString::fromLatin1(kMessageTitle), displayText(text),
                    QMessageBox::Ok, parent_);
    box.setObjectName(QStringLiteral("reportBox"));
    box.exec();
}

bool QtPrompter::ask(const std::string& question) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kMessageTitle),
                    displayText(question), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setObjectName(QStringLiteral("questionBox"));
    return box.exec() == QMessageBox::Yes;
}

}  // namespace numora
