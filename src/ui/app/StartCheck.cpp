#include "ui/app/StartCheck.h"

#include <QDialog>
#include <QEvent>

#include <cstdio>

namespace numora {

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

}  // namespace numora
