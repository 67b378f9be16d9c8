#pragma once

#include <QObject>

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

}  // namespace numora
