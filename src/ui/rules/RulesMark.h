#pragma once

#include <QLabel>

#include "settings/PickRules.h"

namespace numora {

// A small green ball on the top right corner of a button (the main window's
// Pick) while pick rules are on, whose tooltip lists them; hidden while none
// is. It sits on the button's window, over the corner, so that it covers no
// caption, and follows the button as its layout moves it.
class RulesMark : public QLabel {
    Q_OBJECT

public:
    explicit RulesMark(QWidget& button);

    void showRules(const PickRules& rules);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget& button_;
};

}  // namespace numora
