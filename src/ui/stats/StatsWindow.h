#pragma once

#include <QDialog>
#include <QPixmap>

#include "app/ScreenShape.h"
#include "draws/DrawList.h"
#include "settings/LotteryProfile.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace numora {

class DevicePaths;
class WindowBar;
struct AppState;

// The modal "Draw Stats" window: how often each ball number of the current
// lottery was drawn, and how many draws there are, counted from the draw file
// as last saved. It reads the file itself and changes nothing.
class StatsWindow : public QDialog {
    Q_OBJECT

public:
    StatsWindow(const AppState& state, const DevicePaths& device, ScreenSize screen, QWidget* parent = nullptr);
    ~StatsWindow() override;

    // The bar's toolbar, where the close button stands.
    WindowBar& bar() const { return *bar_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls(ScreenSize screen);
    void fillStatistics(const AppState& state, const DevicePaths& device);
    // Opens "Trends" over the draws this window read.
    void openTrends();

    QWidget* header_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* frequencyLabel_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* recordsLabel_ = nullptr;
    QLineEdit* records_ = nullptr;
    QLabel* basedOn_ = nullptr;
    QPushButton* exit_ = nullptr;
    WindowBar* bar_ = nullptr;
    QAction* close_ = nullptr;
    QAction* trends_ = nullptr;
    QPixmap headerPicture_;
    DrawList draws_;
    LotteryProfile lottery_;
};

}  // namespace numora
