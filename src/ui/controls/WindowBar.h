#pragma once

#include <QIcon>
#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;

namespace numora {

// The bar along the bottom of a window, as the handheld's command bar: a
// menu bar and a toolbar of small buttons side by side, set off by a line
// along the top. A command reached from both runs through one action.
class WindowBar : public QWidget {
    Q_OBJECT

public:
    explicit WindowBar(QWidget* parent = nullptr);

    // A menu on the bar.
    QMenu* addMenu(const char* objectName, const char* title);
    // An action for the menus and the toolbar; with an icon it can stand on
    // the toolbar, which shows the icon alone.
    QAction* makeAction(const char* objectName, const char* text, const QIcon& icon = QIcon());

    QMenuBar* menuBar() const { return menuBar_; }
    QToolBar* toolBar() const { return toolBar_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QMenuBar* menuBar_;
    QToolBar* toolBar_;
};

}  // namespace numora
