// The Past Draws and Draw Stats windows in each layout.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

#include "Gallery.h"
#include "draws/DrawFile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "platform/Prompter.h"
#include "ui/pastdraws/PastDrawsWindow.h"
#include "ui/services/QtPrompter.h"
#include "ui/stats/StatsWindow.h"
#include "ui/controls/DrawListView.h"

namespace numora::gallery {

namespace {

const LotteryProfile kLottery{"Lotto 649", 6, 1, 49, 49, false, true, false, true};
constexpr int kDrawCount = 36;
constexpr std::int32_t kFirstDate = 1'690'000'000;
constexpr std::int32_t kWeek = 7 * 24 * 60 * 60;

const struct {
    const char* name;
    ScreenSize screen;
} kScreens[] = {{"portrait", {240, 320}}, {"landscape", {320, 240}}, {"square", {240, 240}}};

// Weekly draws of six different numbers, each line in ascending order.
void writeDraws(Gallery& gallery) {
    DrawList draws;
    for (int i = 0; i < kDrawCount; ++i) {
        DrawRecord draw;
        draw.date = kFirstDate + i * kWeek;
        int ball = 1 + (i * 7) % 6;
        for (int n = 1; n <= 6; ++n) {
            draw.ball(n) = ball;
            ball += 2 + (i * n * 5 + n) % 7;
        }
        draw.bonus = 1 + (i * 11) % 49;
        draws.append(draw);
    }
    DrawFile::save(gallery.device(), gallery.state().dataFolder, kLottery.name, draws);
}

struct Window {
    Window(Gallery& gallery, ScreenSize screen, Prompter& prompter, const LotteryProfile& lottery = kLottery)
        : state(gallery.state()) {
        state.current = lottery;
        state.startTime = time.now();
        state.startSeconds = time.toSeconds(state.startTime);
        pastDraws = std::make_unique<PastDrawsWindow>(PastDrawsServices{state, gallery.device(), locale, time, prompter,
                                                                        [](std::string_view) {
                                                                            return std::optional<std::string>();
                                                                        },
                                                                        screen});
    }
    AppState state;
    FixedLocaleInfo locale;
    FixedOffsetLocalTime time;
    std::unique_ptr<PastDrawsWindow> pastDraws;
};

void shootPair(Gallery& gallery, ScreenSize screen, const QString& suffix) {
    SilentPrompter silent;
    Window window(gallery, screen, silent);
    gallery.saveWidget(QStringLiteral("past-draws-") + suffix, *window.pastDraws);
    StatsWindow stats(window.state, gallery.device(), screen);
    gallery.saveWidget(QStringLiteral("draw-stats-") + suffix, stats);
}

// The window with its Tools menu open: the menu, which opens above its title
// on the bar along the bottom, painted where it shows.
void shootToolsMenu(Gallery& gallery) {
    SilentPrompter silent;
    Window window(gallery, {240, 320}, silent);
    PastDrawsWindow& pastDraws = *window.pastDraws;
    pastDraws.show();
    auto* bar = pastDraws.findChild<QMenuBar*>();
    auto* tools = pastDraws.findChild<QMenu*>(QStringLiteral("toolsMenu"));
    const QRect title = bar->actionGeometry(tools->menuAction()).translated(bar->mapTo(&pastDraws, QPoint(0, 0)));
    tools->popup(pastDraws.mapToGlobal(title.topLeft()));
    QApplication::processEvents();
    const QPixmap menu = tools->grab();
    QPixmap picture = pastDraws.grab();
    QPainter(&picture).drawPixmap(title.left(), title.top() - menu.height() / menu.devicePixelRatio(), menu);
    tools->close();
    gallery.save(QStringLiteral("past-draws-tools-menu"), picture);
}

}  // namespace

void shootPastDrawsWindows(Gallery& gallery) {
    writeDraws(gallery);
    for (const auto& [name, screen] : kScreens) shootPair(gallery, screen, QString::fromLatin1(name));

    // A lottery with a second drum: its numbers in the boxes and columns after the balls.
    for (const auto& [name, screen] : kScreens) {
        SilentPrompter silent;
        Window window(gallery, screen, silent, kEuroMillions);
        gallery.saveWidget(QStringLiteral("past-draws-second-drum-") + QString::fromLatin1(name), *window.pastDraws);
    }

    SilentPrompter silent;
    Window sorted(gallery, {240, 320}, silent);
    sorted.pastDraws->show();
    auto* list = sorted.pastDraws->findChild<DrawListView*>(QStringLiteral("drawList"));
    Q_EMIT list->horizontalHeader()->sectionClicked(0);
    list->selectRow(2);
    gallery.saveWidget(QStringLiteral("past-draws-sorted-by-b1"), *sorted.pastDraws);
    shootToolsMenu(gallery);

    // A fifth ball above the highest: Add to List shows the check's message.
    QtPrompter prompter;
    Window checked(gallery, {240, 320}, prompter);
    prompter.setParentWindow(checked.pastDraws.get());
    checked.pastDraws->show();
    const char* entered[] = {"3", "9", "17", "28", "50", "44"};
    for (int ball = 1; ball <= 6; ++ball) {
        checked.pastDraws->findChild<QLineEdit*>(QStringLiteral("ballBox%1").arg(ball))
            ->setText(QString::fromLatin1(entered[ball - 1]));
    }
    checked.pastDraws->findChild<QLineEdit*>(QStringLiteral("bonusBox"))->setText(QStringLiteral("12"));
    auto* add = checked.pastDraws->findChild<QPushButton*>(QStringLiteral("addButton"));
    gallery.saveModal(QStringLiteral("past-draws-check-message"), [&] { add->click(); });
}

void shootPastDrawsAtScaleTwo(Gallery& gallery) {
    writeDraws(gallery);
    shootPair(gallery, {240, 320}, QStringLiteral("scale2"));
}

}  // namespace numora::gallery
