#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "ui/trends/TrendsWindow.h"
#include "ui/controls/TrendsChart.h"
#include "ui/support/Widgets.h"

namespace numora {
namespace {

// Three balls from 1 to 9 and a PowerBall from 1 to 5.
const LotteryProfile kSmall{"Small", 3, 1, 9, 5, false, false, true, false};

// 30 draws, the latest last: 1 2 3 in the first 20, then 7 8 9; the bonus is
// always 4.
DrawList thirtyDraws() {
    DrawList draws;
    for (int i = 0; i < 30; ++i) {
        DrawRecord draw;
        draw.date = i;
        const int first = i < 20 ? 1 : 7;
        for (int ball = 1; ball <= 3; ++ball) draw.ball(ball) = first + ball - 1;
        draw.bonus = 4;
        draws.append(draw);
    }
    return draws;
}

class TrendsWindowTest : public ::testing::Test {
protected:
    template <typename Control>
    Control& control(const char* name) const {
        return child<Control>(*window, name);
    }
    QTreeWidget& table() const { return control<QTreeWidget>("trendsTable"); }
    TrendsChart& chart() const { return control<TrendsChart>("trendsChart"); }
    void choose(const char* combo, const QString& text) const {
        QComboBox& box = control<QComboBox>(combo);
        box.setCurrentIndex(box.findText(text));
    }
    // One column of the table, top to bottom.
    QStringList cells(int column) const {
        QStringList texts;
        for (int row = 0; row < table().topLevelItemCount(); ++row) texts << table().topLevelItem(row)->text(column);
        return texts;
    }

    std::unique_ptr<TrendsWindow> window = std::make_unique<TrendsWindow>(thirtyDraws(), kSmall);
};

TEST_F(TrendsWindowTest, theTableAndChartCountTheChosenLastDrawsAgainstChance) {
    EXPECT_EQ(window->windowTitle(), "Trends");
    EXPECT_EQ(control<QComboBox>("trendsLast").currentText(), "50");
    EXPECT_EQ(control<QLabel>("trendsSummary").text(), "30 of 30 draws");
    EXPECT_EQ(cells(0), (QStringList{"01", "02", "03", "04", "05", "06", "07", "08", "09"}));
    EXPECT_EQ(cells(1), (QStringList{"20", "20", "20", "0", "0", "0", "10", "10", "10"}));
    EXPECT_EQ(cells(2).front(), "10.00");
    EXPECT_EQ(cells(3), (QStringList{"10", "10", "10", "-", "-", "-", "0", "0", "0"}));
    EXPECT_EQ(chart().bars().front().count, 20);
    EXPECT_DOUBLE_EQ(chart().expected(), 10.0);

    choose("trendsLast", "10");
    EXPECT_EQ(control<QLabel>("trendsSummary").text(), "10 of 30 draws");
    EXPECT_EQ(cells(1), (QStringList{"0", "0", "0", "0", "0", "0", "10", "10", "10"}));
    EXPECT_EQ(cells(2).front(), "3.33");

    // The bonus apart: numbers 1 to 5, all 4s.
    choose("trendsBalls", "Bonus");
    EXPECT_EQ(cells(0), (QStringList{"01", "02", "03", "04", "05"}));
    EXPECT_EQ(cells(1), (QStringList{"0", "0", "0", "10", "0"}));
    EXPECT_DOUBLE_EQ(chart().expected(), 2.0);
}

TEST_F(TrendsWindowTest, rowsAndBarsSortByTheChoiceOrTheHeadingAndTheCurrentRowIsHighlighted) {
    choose("trendsLast", "All");
    choose("trendsOrder", "Count");
    EXPECT_EQ(cells(0), (QStringList{"01", "02", "03", "07", "08", "09", "04", "05", "06"}));
    EXPECT_EQ(chart().bars()[3].number, 7);

    table().header()->sectionClicked(3);
    EXPECT_EQ(control<QComboBox>("trendsOrder").currentText(), "Since seen");
    EXPECT_EQ(cells(0), (QStringList{"04", "05", "06", "01", "02", "03", "07", "08", "09"}));
    table().header()->sectionClicked(2);  // the expected count sorts nothing
    EXPECT_EQ(control<QComboBox>("trendsOrder").currentText(), "Since seen");
    table().header()->sectionClicked(0);
    EXPECT_EQ(cells(0).front(), "01");

    table().setCurrentItem(table().topLevelItem(6));
    EXPECT_EQ(chart().highlighted(), 6);
    choose("trendsOrder", "Count");
    EXPECT_EQ(chart().highlighted(), -1);

    QSignalSpy closed(window.get(), &QDialog::accepted);
    control<QPushButton>("trendsClose").click();
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(TrendsWindowTest, aLotteryWithoutBonusOrDrawsStillShowsItsNumbersAndFitsEachScreen) {
    LotteryProfile noBonus = kSmall;
    noBonus.bonus = 0;
    window = std::make_unique<TrendsWindow>(DrawList{}, noBonus);
    EXPECT_FALSE(control<QComboBox>("trendsBalls").isEnabled());
    EXPECT_EQ(control<QLabel>("trendsSummary").text(), "No past draws");
    EXPECT_EQ(cells(1), (QStringList{"0", "0", "0", "0", "0", "0", "0", "0", "0"}));

    for (const QSize screen : {QSize(240, 294), QSize(320, 214), QSize(240, 214)}) {
        QWidget parent;
        parent.resize(screen);
        TrendsWindow shown(thirtyDraws(), kSmall, &parent);
        EXPECT_EQ(shown.size(), screen);
        EXPECT_LE(shown.minimumSizeHint().width(), screen.width());
        EXPECT_LE(shown.minimumSizeHint().height(), screen.height());
    }
}

TEST_F(TrendsWindowTest, aSecondDrumsNumbersAreCountedApartBetweenTheMainBallsAndTheBonus) {
    // Five balls from 1 to 50, two stars from 1 to 12 and a bonus up to 10;
    // stars 1 and 2 in the first six draws, 11 and 12 in the last four.
    const LotteryProfile lottery{.name = "Stars", .balls = 5, .max = 50, .bonus = 10, .showBonus = true,
                                 .drum2 = 2, .drum2Min = 1, .drum2Max = 12};
    DrawList draws;
    for (int i = 0; i < 10; ++i) {
        DrawRecord draw{i, 1, 2, 3, 4, 5, i < 6 ? 1 : 11, i < 6 ? 2 : 12, 7};
        draws.append(draw);
    }
    window = std::make_unique<TrendsWindow>(draws, lottery);
    QStringList kinds;
    for (int i = 0; i < control<QComboBox>("trendsBalls").count(); ++i)
        kinds << control<QComboBox>("trendsBalls").itemText(i);
    EXPECT_EQ(kinds, (QStringList{"Main balls", "Second drum", "Bonus"}));
    EXPECT_EQ(cells(0).size(), 50);
    EXPECT_EQ(cells(1).mid(0, 6), (QStringList{"10", "10", "10", "10", "10", "0"}));

    choose("trendsBalls", "Second drum");
    EXPECT_EQ(cells(0).size(), 12);
    EXPECT_EQ(cells(1), (QStringList{"6", "6", "0", "0", "0", "0", "0", "0", "0", "0", "4", "4"}));
    EXPECT_EQ(cells(3).front(), "4");
    EXPECT_EQ(cells(2).front(), "1.67");
    choose("trendsBalls", "Bonus");
    EXPECT_EQ(cells(0).size(), 10);
    EXPECT_EQ(cells(1)[6], "10");
}

}  // namespace
}  // namespace numora
