#include "ui/services/StatusProgress.h"

#include <QLabel>
#include <QProgressBar>

namespace numora {

StatusProgress::StatusProgress(QLabel& status, QProgressBar& bar) : status_(status), bar_(bar) {}

void StatusProgress::setProgressEnabled(bool enabled) { bar_.setEnabled(enabled); }

void StatusProgress::setProgressRange(int low, int high) { bar_.setRange(low, high); }

void StatusProgress::setProgressPosition(int position) {
    bar_.setValue(position);
    bar_.repaint();
}

void StatusProgress::setStatusText(const std::string& text) {
    status_.setText(QString::fromStdString(text));
    status_.repaint();
}

}  // namespace numora
