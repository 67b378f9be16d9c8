#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <optional>

namespace numora {

// What the file chooser shows.
enum class ChooserView { TreeAndList = 0, TreeOnly = 1, ListOnly = 2 };

// The file chooser's own surface: the title strip across the top, the folder
// tree below it down to the split position, and the file list from seven
// pixels below that to the bottom. Between them two lines mark a splitter
// that the stylus drags. In the other views one control fills both areas.
class ChooserSurface : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTitleHeight = 22;
    static constexpr int kTreeTop = kTitleHeight + 1;
    static constexpr int kSplitterGap = 7;
    static constexpr int kFirstSplitPosition = 100;

    ChooserSurface(QString title, QWidget& tree, QWidget& list, QWidget* parent = nullptr);

    void setView(ChooserView view);
    ChooserView view() const { return view_; }
    int splitPosition() const { return split_; }
    QRect treeArea() const;
    QRect listArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeControls();
    bool onSplitter(int y) const;

    QString title_;
    QWidget& tree_;
    QWidget& list_;
    ChooserView view_ = ChooserView::TreeAndList;
    int split_ = kFirstSplitPosition;
    std::optional<int> dragOffset_;  // the pointer's distance from the split while dragging
};

}  // namespace numora
