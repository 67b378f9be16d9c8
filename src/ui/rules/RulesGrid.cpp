#include "ui/rules/RulesGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "ui/art/ArtStyle.h"

namespace numora {

namespace {

// A cell is never taller than it is wide, nor smaller than this.
constexpr int kSmallestCell = 14;
constexpr qreal kCellGap = 1.0;
constexpr qreal kCurrentFrame = 2.0;
constexpr int kLargestFontPixels = 11;

QColor excludedFill() { return {0xf6, 0xd6, 0xd6}; }

}  // namespace

void paintRuleCell(QPainter& painter, const QRectF& cell, RuleMark mark, const QString& text, bool current) {
    using art::Colors;
    const QRectF box = cell.adjusted(kCellGap, kCellGap, -kCellGap, -kCellGap);
    const QColor fill = mark == RuleMark::Fixed ? Colors::green() : mark == RuleMark::Excluded ? excludedFill()
                                                                                               : Colors::paper();
    const QColor ink = mark == RuleMark::Fixed ? Colors::paper() : mark == RuleMark::Excluded ? Colors::red()
                                                                                              : Colors::ink();
    painter.save();
    painter.setPen(QPen(mark == RuleMark::Free ? Colors::silver() : fill.darker(130), 1.0));
    painter.setBrush(fill);
    painter.drawRect(box);
    QFont font = painter.font();
    font.setPixelSize(std::clamp(static_cast<int>(box.height()) - 3, 7, kLargestFontPixels));
    font.setBold(mark == RuleMark::Fixed);
    font.setStrikeOut(mark == RuleMark::Excluded);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, text);
    if (current) {
        painter.setPen(QPen(Colors::blue(), kCurrentFrame));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(kCurrentFrame / 2, kCurrentFrame / 2, -kCurrentFrame / 2, -kCurrentFrame / 2));
    }
    painter.restore();
}

RulesGrid::RulesGrid(int min, int max, int columns, QWidget* parent)
    : QWidget(parent),
      min_(std::clamp(min, 0, kBallNumberCount - 1)),
      max_(std::clamp(max, min_ - 1, kBallNumberCount - 1)),
      columns_(std::max(columns, 1)),
      marks_(static_cast<std::size_t>(count()), RuleMark::Free),
      current_(min_) {
    setObjectName(QStringLiteral("rulesGrid"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void RulesGrid::setRules(const BallSet& fixed, const BallSet& excluded) {
    for (int number = min_; number <= max_; ++number) {
        const auto at = static_cast<std::size_t>(number);
        marks_[static_cast<std::size_t>(number - min_)] =
            fixed[at] ? RuleMark::Fixed : excluded[at] ? RuleMark::Excluded : RuleMark::Free;
    }
    update();
}

RuleMark RulesGrid::mark(int number) const {
    if (number < min_ || number > max_) return RuleMark::Free;
    return marks_[static_cast<std::size_t>(number - min_)];
}

void RulesGrid::clear() {
    std::fill(marks_.begin(), marks_.end(), RuleMark::Free);
    update();
    Q_EMIT changed();
}

BallSet RulesGrid::numbersMarked(RuleMark wanted) const {
    BallSet numbers;
    for (int number = min_; number <= max_; ++number) {
        if (mark(number) == wanted) numbers.set(static_cast<std::size_t>(number));
    }
    return numbers;
}

QSizeF RulesGrid::cellSize() const {
    const qreal width = static_cast<qreal>(this->width()) / columns_;
    const qreal height = rows() > 0 ? static_cast<qreal>(this->height()) / rows() : width;
    return {width, std::min(width, height)};
}

QRectF RulesGrid::cellArea(int number) const {
    const QSizeF cell = cellSize();
    const int place = number - min_;
    return {QPointF((place % columns_) * cell.width(), (place / columns_) * cell.height()), cell};
}

QRect RulesGrid::cellRect(int number) const {
    if (number < min_ || number > max_) return {};
    return cellArea(number).toRect();
}

QSize RulesGrid::sizeHint() const { return {columns_ * kSmallestCell * 3 / 2, rows() * kSmallestCell * 3 / 2}; }

QSize RulesGrid::minimumSizeHint() const { return {columns_ * kSmallestCell, rows() * kSmallestCell}; }

void RulesGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int number = min_; number <= max_; ++number) {
        paintRuleCell(painter, cellArea(number), mark(number), QString::number(number), hasFocus() && number == current_);
    }
}

void RulesGrid::mousePressEvent(QMouseEvent* event) {
    const QSizeF cell = cellSize();
    const QPointF at = event->position();
    const int column = static_cast<int>(at.x() / cell.width());
    const int row = static_cast<int>(at.y() / cell.height());
    const int number = min_ + row * columns_ + column;
    if (column < 0 || column >= columns_ || row < 0 || number > max_) return;
    current_ = number;
    cycle(number);
}

void RulesGrid::keyPressEvent(QKeyEvent* event) {
    int moved = current_;
    switch (event->key()) {
    case Qt::Key_Left: moved -= 1; break;
    case Qt::Key_Right: moved += 1; break;
    case Qt::Key_Up: moved -= columns_; break;
    case Qt::Key_Down: moved += columns_; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: cycle(current_); return;
    default: QWidget::keyPressEvent(event); return;
    }
    if (moved >= min_ && moved <= max_) current_ = moved;
    update();
}

void RulesGrid::cycle(int number) {
    if (number < min_ || number > max_) return;
    RuleMark& marked = marks_[static_cast<std::size_t>(number - min_)];
    marked = marked == RuleMark::Free ? RuleMark::Fixed : marked == RuleMark::Fixed ? RuleMark::Excluded
                                                                                   : RuleMark::Free;
    update();
    Q_EMIT changed();
}

}  // namespace numora
