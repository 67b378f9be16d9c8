#pragma once

#include <QTreeWidget>

#include <optional>
#include <string>
#include <vector>

namespace numora {

// The main window's pick list: a report list with the one column
// "QuickPicks" and no header, one line selected at a time and the selection
// shown even when the list has no focus. The column is the list's width less
// 15 pixels. `tapped` is emitted after every tap in the list, once the line
// under the stylus (if any) is selected.
class PickList : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kColumnWidthLess = 15;

    explicit PickList(QWidget* parent = nullptr);

    // Puts a line at the top of the list; with `select` it becomes the
    // selected line.
    void insertAtTop(const std::string& text, bool select);
    // Replaces the lines with these, from top to bottom, without labels.
    void setLines(const std::vector<std::string>& lines);
    // The lines from top to bottom.
    std::vector<std::string> lines() const;
    // The top line; empty when the list is empty.
    std::string topLine() const;
    // The selected line, if any.
    std::optional<std::string> selectedLine() const;
    // Short labels beside the lines, top to bottom, one a line (an empty one
    // for none), in a narrow second column at the right that appears with the
    // labels and goes with the lines. The line texts, which are read back and exported, stay
    // as they are.
    void setLabels(const std::vector<std::string>& labels);
    std::vector<std::string> labels() const;
    // The selected line's label; empty without one.
    std::string selectedLabel() const;

Q_SIGNALS:
    void tapped();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitColumns();
};

}  // namespace numora
