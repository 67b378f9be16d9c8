#pragma once

#include <QWidget>

#include <vector>

#include "settings/PickRules.h"

class QPainter;

namespace numora {

// How a number of the grid stands with the pick rules.
enum class RuleMark { Free, Fixed, Excluded };

// Paints one cell of the grid: its colours tell the mark, the text is the
// number. The legend paints its samples with it too.
void paintRuleCell(QPainter& painter, const QRectF& cell, RuleMark mark, const QString& text, bool current);

// The numbers of a lottery, Min to Max, as a grid of cells in rows of a
// given length. A tap on a number makes it fixed, a second excluded, a third
// free again; so do Space and Enter on the current number, which the arrow
// keys move.
class RulesGrid : public QWidget {
    Q_OBJECT

public:
    RulesGrid(int min, int max, int columns, QWidget* parent = nullptr);

    void setRules(const BallSet& fixed, const BallSet& excluded);
    BallSet fixed() const { return numbersMarked(RuleMark::Fixed); }
    BallSet excluded() const { return numbersMarked(RuleMark::Excluded); }
    RuleMark mark(int number) const;
    void clear();

    // Where a number's cell lies in the grid.
    QRect cellRect(int number) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int count() const { return max_ - min_ + 1; }
    int rows() const { return (count() + columns_ - 1) / columns_; }
    QSizeF cellSize() const;
    QRectF cellArea(int number) const;
    BallSet numbersMarked(RuleMark mark) const;
    void cycle(int number);

    int min_;
    int max_;
    int columns_;
    std::vector<RuleMark> marks_;  // by number - min
    int current_;
};

}  // namespace numora
