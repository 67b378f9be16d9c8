#pragma once

#include <QWidget>

#include <vector>

namespace numora {

// One bar of the trends chart: a number and how often it was drawn.
struct ChartBar {
    int number = 0;
    int count = 0;
};

// A bar chart of how often numbers were drawn, painted by the program: one bar
// a number in the order given, a dashed line at the count expected by chance,
// the highest count at the top left, and, when the bars run in number order,
// every tenth number below them. One bar may be highlighted.
class TrendsChart : public QWidget {
    Q_OBJECT

public:
    explicit TrendsChart(QWidget* parent = nullptr);

    void setBars(std::vector<ChartBar> bars, double expected, bool inNumberOrder);
    // The bar at this place stands out; -1 for none.
    void setHighlighted(int index);

    const std::vector<ChartBar>& bars() const { return bars_; }
    double expected() const { return expected_; }
    int highlighted() const { return highlighted_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ChartBar> bars_;
    double expected_ = 0.0;
    bool inNumberOrder_ = true;
    int highlighted_ = -1;
};

}  // namespace numora
