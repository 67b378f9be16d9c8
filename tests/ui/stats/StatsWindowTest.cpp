#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "ui/stats/StatsWindow.h"
#include "ui/support/PastDrawsFixture.h"

namespace numora {
namespace {

class StatsWindowTest : public DrawWindowTest {
protected:
    StatsWindow& open(ScreenSize screen = {240, 320}) {
        window = std::make_unique<StatsWindow>(state, paths, screen);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }
    QTreeWidget& list() const { return *window->findChild<QTreeWidget*>(QStringLiteral("frequencyList")); }
    QString records() const { return window->findChild<QLineEdit*>(QStringLiteral("records"))->text(); }
    // Each row as "ball freq".
    QStringList rows() const {
        QStringList texts;
        for (int row = 0; row < list().topLevelItemCount(); ++row)
            texts << list().topLevelItem(row)->text(0) + ' ' + list().topLevelItem(row)->text(1);
        return texts;
    }

    std::unique_ptr<StatsWindow> window;
};

TEST_F(StatsWindowTest, eachLayoutHasItsTitleLabelsAndColumnsAndBothCloseButtonsEndTheRunWithZero) {
    const struct {
        ScreenSize screen;
        const char* title;
        bool basedOn;
    } layouts[] = {
        {{240, 320}, "Draw Stats", true}, {{320, 240}, "Statistics", true}, {{240, 240}, "Draw Stats", false}};
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.title);
        StatsWindow& shown = open(layout.screen);
        EXPECT_EQ(shown.windowTitle(), QString::fromLatin1(layout.title));
        EXPECT_EQ(shown.findChild<QLabel*>(QStringLiteral("basedOnLabel")) != nullptr, layout.basedOn);
        expectEveryControlInside(shown);
        EXPECT_EQ(list().headerItem()->text(0), QStringLiteral("Ball"));
        EXPECT_EQ(list().headerItem()->text(1), QStringLiteral("Freq."));
    }
    const std::function<void()> closers[] = {
        [this] { window->findChild<QPushButton*>(QStringLiteral("exitButton"))->click(); },
        [this] { window->findChild<QAction*>(QStringLiteral("closeAction"))->trigger(); }};
    for (const auto& close : closers) {
        open();
        QTimer::singleShot(0, close);
        window->setResult(5);
        EXPECT_EQ(window->exec(), 0);
    }
}

TEST_F(StatsWindowTest, countsTheDrawsItCouldReadAndShowsNoRowsWithoutADrawFile) {
    // No draw file: no rows; a file without draws: every number with 00.
    state.current = {"Pick3", 3, 0, 9, 0};
    open();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(records(), QStringLiteral("0"));
    writeDraws({});
    open();
    EXPECT_EQ(rows(), QStringList({"00 00", "01 00", "02 00", "03 00", "04 00", "05 00", "06 00", "07 00", "08 00",
                                   "09 00"}));

    // A damaged file: what could be read, the bonus with the balls.
    state.current = {"Five", 5, 1, 39, 42};
    writeDraws({{0, 1, 2, 3, 4, 5, 0, 0, 1}, {0, 1, 2, 3, 4, 12, 0, 0, 12}});
    std::string bytes = testing::readBytes(drawFile());
    testing::writeBytes(drawFile(), bytes.substr(0, bytes.size() - 1));
    open();
    EXPECT_EQ(rows().size(), 39);
    EXPECT_EQ(rows().first(), QStringLiteral("01 02"));
    EXPECT_EQ(records(), QStringLiteral("1"));
}

TEST_F(StatsWindowTest, trendsOpenOverTheDrawsThisWindowRead) {
    state.current = {"Five", 5, 1, 39, 0};
    writeDraws({{0, 1, 2, 3, 4, 5, 0, 0, 0}, {0, 1, 2, 3, 4, 12, 0, 0, 0}});
    open();
    QString summary;
    withModal([this] { child<QAction>(*window, "trendsAction").trigger(); },
              [&summary](QWidget& trends) { summary = child<QLabel>(trends, "trendsSummary").text(); });
    EXPECT_EQ(summary, QStringLiteral("2 of 2 draws"));
}

}  // namespace
}  // namespace numora
