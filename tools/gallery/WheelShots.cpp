// The Wheel window in its three layouts: empty, and with a wheel made over a
// pool of twelve numbers with two key numbers.
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>

#include "Gallery.h"
#include "ui/wheel/NumberGrid.h"
#include "ui/wheel/WheelWindow.h"

namespace numora::gallery {

namespace {

const LotteryProfile kLotto{"Lotto 6/49", 6, 1, 49, 49, false, true, false, true};
constexpr std::int64_t kClock = 1'717'000'000;
constexpr int kWaitMilliseconds = 30000;
constexpr int kPollMilliseconds = 10;
// A fixed number of steps, so that the pictures show the same wheel every time.
constexpr std::uint64_t kSteps = 200'000;
constexpr int kPool[] = {3, 7, 11, 12, 18, 21, 25, 29, 33, 38, 41, 46};
constexpr int kKeys[] = {7, 33};

// A tap on the number's cell, as the stylus gives it.
void tap(NumberGrid& grid, int number) {
    const QPointF at = grid.cellRect(number).center();
    QMouseEvent release(QEvent::MouseButtonRelease, at, grid.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(&grid, &release);
}

void shootWheel(Gallery& gallery, const QString& name, ScreenSize screen) {
    SilentPrompter prompter;
    SearchLimits limits;
    limits.steps = kSteps;
    {
        WheelWindow empty(kLotto, screen, prompter, [] { return kClock; }, limits);
        gallery.saveWidget(name + QStringLiteral("-empty"), empty);
    }
    WheelWindow window(kLotto, screen, prompter, [] { return kClock; }, limits);
    window.show();
    auto* grid = window.findChild<NumberGrid*>(QStringLiteral("wheelGrid"));
    for (const int number : kPool) tap(*grid, number);
    for (const int number : kKeys) tap(*grid, number);
    window.findChild<QComboBox*>(QStringLiteral("wheelMatch"))->setCurrentIndex(3);
    window.findChild<QComboBox*>(QStringLiteral("wheelIf"))->setCurrentIndex(4);
    auto* generate = window.findChild<QPushButton*>(QStringLiteral("wheelGenerate"));
    generate->click();
    const QDeadlineTimer deadline(kWaitMilliseconds);
    while (!generate->isEnabled() && !deadline.hasExpired()) {
        QApplication::processEvents();
        QThread::msleep(kPollMilliseconds);
    }
    gallery.saveWidget(name, window);
}

}  // namespace

void shootWheelWindows(Gallery& gallery) {
    shootWheel(gallery, QStringLiteral("wheel"), {240, 320});
    shootWheel(gallery, QStringLiteral("wheel-landscape"), {320, 240});
    shootWheel(gallery, QStringLiteral("wheel-square"), {240, 240});
}

}  // namespace numora::gallery
