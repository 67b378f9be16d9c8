#pragma once

#include <QTableView>

#include <optional>

namespace numora {

class DrawListModel;

// The Past Draws list: a report list over a DrawListModel with whole-row
// single selection, shown also when the list has no focus, and headings
// whose widths are shares of the list's width. A heading tap sorts the rows;
// `tapped` follows every tap in the rows' area, `rowDoubleTapped` a double
// tap on a row.
class DrawListView : public QTableView {
    Q_OBJECT

public:
    explicit DrawListView(QWidget* parent = nullptr);

    void setDrawModel(DrawListModel* model);
    DrawListModel* drawModel() const { return model_; }

    // The selected row, if any.
    std::optional<int> selectedRow() const;
    // Selects a row and shows it.
    void selectRow(int row);

Q_SIGNALS:
    void tapped();
    void rowDoubleTapped(int row);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitColumns();

    DrawListModel* model_ = nullptr;
};

}  // namespace numora
