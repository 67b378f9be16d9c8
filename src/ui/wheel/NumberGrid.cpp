#include "ui/wheel/NumberGrid.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "draws/NumberText.h"
#include "ui/art/ArtStyle.h"

namespace numora {

namespace {

constexpr int kSmallestCell = 12;
// At its smallest the grid has this many columns, as wide as a small window.
constexpr int kMinimumColumns = 10;
constexpr int kPreferredCell = 22;
constexpr int kGap = 1;
constexpr qreal kCornerRadius = 2.5;
constexpr int kMostFontPixels = 11;
constexpr int kFewestFontPixels = 7;

// Cells of the size given by the grid's width and height for this many columns.
QSizeF cellSizeFor(QSize area, int count, int columns) {
    const int rows = (count + columns - 1) / columns;
    return {static_cast<qreal>(area.width()) / columns, static_cast<qreal>(area.height()) / rows};
}

}  // namespace

NumberGrid::NumberGrid(int lowest, int highest, QWidget* parent)
    : QWidget(parent), lowest_(lowest), marks_(static_cast<std::size_t>(std::max(0, highest - lowest + 1)), Mark::None) {
    setObjectName(QStringLiteral("wheelGrid"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

NumberGrid::Mark NumberGrid::mark(int number) const {
    const int index = number - lowest_;
    return index >= 0 && index < count() ? marks_[static_cast<std::size_t>(index)] : Mark::None;
}

std::vector<int> NumberGrid::numbersMarked(bool keysOnly) const {
    std::vector<int> numbers;
    for (int index = 0; index < count(); ++index) {
        const Mark mark = marks_[static_cast<std::size_t>(index)];
        if (mark == Mark::Key || (!keysOnly && mark == Mark::Pool)) numbers.push_back(lowest_ + index);
    }
    return numbers;
}

std::vector<int> NumberGrid::pool() const { return numbersMarked(false); }
std::vector<int> NumberGrid::keys() const { return numbersMarked(true); }

int NumberGrid::columns() const {
    // The column count whose cells are largest, squarest first.
    int best = 1;
    qreal bestSide = 0;
    for (int columns = 1; columns <= std::max(1, count()); ++columns) {
        const QSizeF cell = cellSizeFor(size(), std::max(1, count()), columns);
        const qreal side = std::min(cell.width(), cell.height());
        if (side > bestSide) {
            bestSide = side;
            best = columns;
        }
    }
    return best;
}

QRect NumberGrid::cellRect(int number) const {
    const int index = number - lowest_;
    if (index < 0 || index >= count()) return {};
    const int columns = this->columns();
    const QSizeF cell = cellSizeFor(size(), count(), columns);
    const int column = index % columns;
    const int row = index / columns;
    const QPointF topLeft(column * cell.width(), row * cell.height());
    return QRectF(topLeft, cell).toRect().adjusted(kGap, kGap, -kGap, -kGap);
}

QSize NumberGrid::minimumSizeHint() const {
    const int rows = (std::max(1, count()) + kMinimumColumns - 1) / kMinimumColumns;
    return {kMinimumColumns * kSmallestCell, rows * kSmallestCell};
}

QSize NumberGrid::sizeHint() const {
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(std::max(1, count())))));
    return {side * kPreferredCell, side * kPreferredCell};
}

void NumberGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = this->font();
    const QRect first = cellRect(lowest_);
    font.setPixelSize(std::clamp(first.height() * 2 / 3, kFewestFontPixels, kMostFontPixels));
    painter.setFont(font);
    for (int index = 0; index < count(); ++index) {
        const int number = lowest_ + index;
        const QRect cell = cellRect(number);
        const Mark mark = marks_[static_cast<std::size_t>(index)];
        const QColor fill = mark == Mark::Key    ? art::Colors::red()
                            : mark == Mark::Pool ? art::Colors::blue()
                                                 : art::Colors::paper();
        painter.setPen(isEnabled() ? art::Colors::ink() : art::Colors::silver());
        painter.setBrush(isEnabled() ? fill : fill.lighter(150));
        painter.drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
        painter.setPen(mark == Mark::None ? art::Colors::ink() : art::Colors::paper());
        painter.drawText(cell, Qt::AlignCenter, QString::fromStdString(twoDigitText(number)));
    }
}

void NumberGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    for (int index = 0; index < count(); ++index) {
        if (!cellRect(lowest_ + index).contains(event->position().toPoint())) continue;
        Mark& mark = marks_[static_cast<std::size_t>(index)];
        mark = mark == Mark::None ? Mark::Pool : mark == Mark::Pool ? Mark::Key : Mark::None;
        update();
        Q_EMIT marksChanged();
        return;
    }
}

}  // namespace numora
