#pragma once

#include <QWidget>

#include <vector>

namespace numora {

// The lottery's numbers as a grid of cells to tap: a tap puts a number in the
// pool, a second tap makes it a key number, a third takes it out again. The
// grid takes as many columns as make its cells largest in the room it has.
class NumberGrid : public QWidget {
    Q_OBJECT

public:
    enum class Mark { None, Pool, Key };

    NumberGrid(int lowest, int highest, QWidget* parent = nullptr);

    Mark mark(int number) const;
    // The pool's numbers (key numbers among them), ascending.
    std::vector<int> pool() const;
    std::vector<int> keys() const;
    // Where the number's cell is, in the grid's own coordinates.
    QRect cellRect(int number) const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

Q_SIGNALS:
    void marksChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int count() const { return static_cast<int>(marks_.size()); }
    int columns() const;
    std::vector<int> numbersMarked(bool keysOnly) const;

    int lowest_;
    std::vector<Mark> marks_;
};

}  // namespace numora
