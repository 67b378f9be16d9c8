#include "ui/controls/TrendsChart.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "draws/NumberText.h"
#include "ui/art/ArtStyle.h"

namespace numora {

namespace {

constexpr int kMargin = 3;
constexpr int kAxisLabelWidth = 18;
constexpr int kNumberLabelHeight = 11;
constexpr int kLabelPixelSize = 9;
// Every this many numbers gets a label below its bar.
constexpr int kNumberLabelStep = 10;
// Room above the highest bar, as a share of it.
constexpr double kHeadroom = 1.1;
constexpr qreal kExpectedLineWidth = 1.5;

}  // namespace

TrendsChart::TrendsChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("trendsChart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TrendsChart::setBars(std::vector<ChartBar> bars, double expected, bool inNumberOrder) {
    bars_ = std::move(bars);
    expected_ = expected;
    inNumberOrder_ = inNumberOrder;
    update();
}

void TrendsChart::setHighlighted(int index) {
    highlighted_ = index;
    update();
}

QSize TrendsChart::sizeHint() const { return {220, 90}; }

QSize TrendsChart::minimumSizeHint() const { return {120, 50}; }

void TrendsChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), art::Colors::paper());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (bars_.empty()) return;

    QFont small = font();
    small.setPixelSize(kLabelPixelSize);
    painter.setFont(small);
    const int highest = std::max_element(bars_.begin(), bars_.end(), [](const ChartBar& a, const ChartBar& b) {
                            return a.count < b.count;
                        })->count;
    const double top = std::max({static_cast<double>(highest), expected_, 1.0}) * kHeadroom;
    const QRect plot = rect().adjusted(kMargin + kAxisLabelWidth, kMargin, -kMargin,
                                       -kMargin - (inNumberOrder_ ? kNumberLabelHeight : 0));
    const double barWidth = static_cast<double>(plot.width()) / static_cast<double>(bars_.size());
    const auto heightOf = [&](double count) { return count / top * plot.height(); };

    painter.setPen(art::Colors::ink());
    painter.drawText(QRect(kMargin, plot.top(), kAxisLabelWidth - 2, kNumberLabelHeight), Qt::AlignRight,
                     QString::number(highest));
    painter.drawText(QRect(kMargin, plot.bottom() - kNumberLabelHeight, kAxisLabelWidth - 2, kNumberLabelHeight),
                     Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));

    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const double left = plot.left() + barWidth * static_cast<double>(i);
        const double height = heightOf(bars_[i].count);
        const QRectF bar(left + (barWidth > 3 ? 0.5 : 0.0), plot.bottom() + 1 - height,
                         std::max(1.0, barWidth - (barWidth > 3 ? 1.0 : 0.0)), height);
        painter.fillRect(bar, static_cast<int>(i) == highlighted_ ? art::Colors::gold() : art::Colors::blue());
        if (inNumberOrder_ && bars_[i].number % kNumberLabelStep == 0) {
            const QRectF label(left - kAxisLabelWidth, plot.bottom() + 1, barWidth + 2 * kAxisLabelWidth,
                               kNumberLabelHeight);
            painter.setPen(art::Colors::ink());
            painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromStdString(twoDigitText(bars_[i].number)));
        }
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    QPen dashed(art::Colors::red(), kExpectedLineWidth, Qt::DashLine);
    painter.setPen(dashed);
    const double expectedY = plot.bottom() + 1 - heightOf(expected_);
    painter.drawLine(QPointF(plot.left(), expectedY), QPointF(plot.right(), expectedY));
}

}  // namespace numora
