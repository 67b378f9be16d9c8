#include "ui/rules/RulesMark.h"

#include <QEvent>

#include <algorithm>

#include "ui/art/ArtStyle.h"
#include "ui/rules/PickRulesTexts.h"

namespace numora {

namespace {

constexpr int kSide = 9;
constexpr qreal kOutline = 0.8;

}  // namespace

RulesMark::RulesMark(QWidget& button) : QLabel(button.parentWidget()), button_(button) {
    setObjectName(QStringLiteral("rulesMark"));
    setPixmap(art::paintedPixmap({kSide, kSide}, [](QPainter& painter) {
        art::paintSphere(painter, QPointF(kSide / 2.0, kSide / 2.0), kSide / 2.0 - kOutline, art::Colors::green(),
                         kOutline);
    }));
    setFixedSize(kSide, kSide);
    button.installEventFilter(this);
    hide();
}

void RulesMark::showRules(const PickRules& rules) {
    QString tip = QString::fromLatin1(pickrules::kMarkTip);
    for (const std::string& line : pickRulesLines(rules)) tip += QLatin1Char('\n') + QString::fromStdString(line);
    setToolTip(tip);
    place();
    setVisible(!rules.none());
}

bool RulesMark::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) place();
    return QLabel::eventFilter(watched, event);
}

// Centred on the corner, as far as the window reaches.
void RulesMark::place() {
    const QPoint corner = button_.geometry().topRight();
    move(std::min(corner.x() - kSide / 2, parentWidget()->width() - kSide), std::max(corner.y() - kSide / 2, 0));
    raise();
}

}  // namespace numora
