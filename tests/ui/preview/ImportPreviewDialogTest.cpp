#include "ui/preview/ImportPreviewDialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/LocalTime.h"
#include "support/TestFiles.h"
#include "picking/PickingTestData.h"
#include "ui/main/MainWindowLayout.h"
#include "ui/support/Widgets.h"

namespace numora {
namespace {

const FixedOffsetLocalTime kTime;  // UTC

QStringList firstRow(const QWidget& dialog) {
    const auto& table = child<QTableWidget>(dialog, "previewRows");
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column) cells << table.item(0, column)->text();
    return cells;
}

TEST(ImportPreviewDialog, showsARealFilesLayoutItsFirstRowsAsStoredAndTheCountsAgainstTheStoredDraws) {
    const LotteryProfile lotto = testing::lotteryProfile(6, 1, 49, 49);
    const std::string bytes = testing::readBytes(std::filesystem::path(NUMORA_REAL_DRAWS) / "canada-lotto649.csv");
    TableAnalysis analysis = analyseTable(bytes, lotto, DateOrder::MonthDayYear);
    const TableLayout detected = *analysis.layout;
    // The first draw of the file is stored already.
    const DrawList stored = {{kTime.toSeconds({1982, 6, 12}), 3, 11, 12, 14, 41, 43, -1, 13}};
    ImportPreviewDialog preview(std::move(analysis), lotto, stored, kTime, {240, 320});

    EXPECT_EQ(child<QLabel>(preview, "fileText").text(),
              "File: UTF-8, comma-separated, quoted fields, heading on line 1.");
    const auto& date = child<QComboBox>(preview, "dateBox");
    EXPECT_EQ(date.currentText(), "column 4 \"DRAW DATE\"");
    EXPECT_FALSE(date.isEnabled());  // ISO dates have one order
    EXPECT_EQ(child<QComboBox>(preview, "ballsBox").currentText(),
              "columns 5 to 10 (\"NUMBER DRAWN 1\" to \"NUMBER DRAWN 6\")");
    EXPECT_EQ(child<QComboBox>(preview, "bonusBox").currentText(), "column 11 \"BONUS NUMBER\"");

    const auto& table = child<QTableWidget>(preview, "previewRows");
    EXPECT_EQ(table.rowCount(), 50);
    EXPECT_EQ(firstRow(preview), QStringList({"1982-06-12", "03", "11", "12", "14", "41", "43", "13"}));
    EXPECT_EQ(child<QLabel>(preview, "countsText").text(), "Read: 4210  To import: 4209  To skip: 1  Rejected: 0");
    EXPECT_FALSE(child<QTabWidget>(preview, "pages").isTabEnabled(1));

    QTimer::singleShot(0, &child<QPushButton>(preview, "importButton"), &QPushButton::click);
    EXPECT_EQ(preview.exec(), QDialog::Accepted);
    EXPECT_EQ(preview.chosenLayout(), detected);
    EXPECT_EQ(preview.rows().rows.size(), 4210u);
}

TEST(ImportPreviewDialog, changedRolesReadTheRowsAgainAndCancelKeepsNothing) {
    const LotteryProfile lotto = testing::lotteryProfile(5, 1, 59, 39);
    // Day and month could be swapped on every line; the last line's packed
    // numbers lack one.
    const std::string file =
        "Date,Numbers,Extra,Draw\n"
        "03/04/2021,1 2 3 4 5 6,7,100\n"
        "05/06/2021,8 9 10 11 12 13,14,101\n"
        "07/08/2021,15 16 17 18 19,20,102\n";
    ImportPreviewDialog preview(analyseTable(file, lotto, DateOrder::DayMonthYear), lotto, {}, kTime, {320, 240});
    auto& date = child<QComboBox>(preview, "dateBox");
    auto& bonus = child<QComboBox>(preview, "bonusBox");
    EXPECT_TRUE(date.isEnabled());
    EXPECT_EQ(date.currentText(), "day/month/year in column 1 \"Date\"");
    EXPECT_EQ(bonus.currentText(), "the last number packed in column 2 \"Numbers\"");
    EXPECT_EQ(firstRow(preview), QStringList({"2021-04-03", "01", "02", "03", "04", "05", "06"}));
    const auto& rejects = child<QListWidget>(preview, "rejectsList");
    ASSERT_EQ(rejects.count(), 1);
    EXPECT_EQ(rejects.item(0)->text(), "line 4: 5 numbers where the lottery has 5 and a bonus");

    date.setCurrentIndex(date.findText("month/day/year in column 1 \"Date\""));
    EXPECT_EQ(firstRow(preview).at(0), "2021-03-04");
    EXPECT_EQ(preview.chosenLayout().date.order, DateOrder::MonthDayYear);

    bonus.setCurrentIndex(bonus.findText("column 3 \"Extra\""));
    EXPECT_EQ(preview.chosenLayout().bonus, (BonusSource{BonusSource::Kind::Column, 2}));
    EXPECT_EQ(child<QLabel>(preview, "countsText").text(), "Read: 3  To import: 1  To skip: 0  Rejected: 2");
    EXPECT_EQ(rejects.item(0)->text(), "line 2: 6 numbers where the lottery has 5");
    EXPECT_EQ(firstRow(preview), QStringList({"2021-07-08", "15", "16", "17", "18", "19", "20"}));

    QTimer::singleShot(0, &child<QPushButton>(preview, "cancelButton"), &QPushButton::click);
    EXPECT_EQ(preview.exec(), QDialog::Rejected);
}

LotteryProfile euroMillions() {
    LotteryProfile profile = testing::lotteryProfile(5, 1, 50);
    profile.drum2 = 2;
    profile.drum2Min = 1;
    profile.drum2Max = 12;
    return profile;
}

TEST(ImportPreviewDialog, aSecondDrumHasItsOwnRoleAndColumnsInEveryScreenShape) {
    const LotteryProfile lottery = euroMillions();
    const std::string file =
        "Date,Numbers,Star 1,Star 2\n"
        "2023-01-13,33 4 25 37 13,10,5\n"
        "2023-01-17,1 2 3 4 5,6,7\n"
        "2023-01-20,10 20 30 40 50,11,12\n";
    const TableAnalysis analysis = analyseTable(file, lottery, DateOrder::DayMonthYear);
    for (const ScreenSize screen : {ScreenSize{240, 320}, ScreenSize{320, 240}, ScreenSize{240, 240}}) {
        SCOPED_TRACE(screen.width * 1000 + screen.height);
        ImportPreviewDialog preview(analysis, lottery, {}, kTime, screen);
        preview.show();
        EXPECT_EQ(preview.size(), mainWindowClientSize(screen));
        expectEveryControlInside(preview);
        auto& drum = child<QComboBox>(preview, "drumBox");
        EXPECT_EQ(drum.currentText(), "columns 3 to 4 (\"Star 1\" to \"Star 2\")");
        const auto& table = child<QTableWidget>(preview, "previewRows");
        EXPECT_EQ(table.horizontalHeaderItem(6)->text(), "S1");
        EXPECT_EQ(firstRow(preview), QStringList({"2023-01-13", "33", "04", "25", "37", "13", "10", "05"}));

        // The stars packed after the balls: no line holds them there.
        drum.setCurrentIndex(drum.findText("after the balls packed in column 2 \"Numbers\""));
        EXPECT_EQ(preview.chosenLayout().drum2.kind, SecondDrumSource::Kind::PackedAfterBalls);
        EXPECT_EQ(child<QLabel>(preview, "countsText").text(), "Read: 3  To import: 0  To skip: 0  Rejected: 3");
        EXPECT_EQ(child<QListWidget>(preview, "rejectsList").item(0)->text(),
                  "line 2: 5 numbers where the lottery has 5 and 2 of its second drum");
        EXPECT_FALSE(child<QPushButton>(preview, "importButton").isEnabled());
    }
    // A lottery without a second drum has no such role.
    const ImportPreviewDialog plain(analysis, testing::lotteryProfile(5, 1, 50, 12), {}, kTime, {240, 320});
    EXPECT_EQ(plain.findChild<QComboBox*>(QStringLiteral("drumBox")), nullptr);
}

TEST(ImportPreviewDialog, fitsEachScreenShapeWithEveryControlInside) {
    const LotteryProfile lotto = testing::lotteryProfile(6, 1, 49, 49);
    const std::string bytes = testing::readBytes(std::filesystem::path(NUMORA_REAL_DRAWS) / "israel-lotto_cp1255.csv");
    const TableAnalysis analysis = analyseTable(bytes, lotto, DateOrder::MonthDayYear);
    for (const ScreenSize screen : {ScreenSize{240, 320}, ScreenSize{320, 240}, ScreenSize{240, 240}}) {
        SCOPED_TRACE(screen.width * 1000 + screen.height);
        ImportPreviewDialog preview(analysis, lotto, {}, kTime, screen);
        preview.show();
        EXPECT_EQ(preview.size(), mainWindowClientSize(screen));
        expectEveryControlInside(preview);
        const auto& table = child<QTableWidget>(preview, "previewRows");
        EXPECT_GE(table.viewport()->height(), 2 * table.verticalHeader()->defaultSectionSize());
        // The first 50 of the 70 lines dated before 1970, then how many more.
        const auto& rejects = child<QListWidget>(preview, "rejectsList");
        ASSERT_EQ(rejects.count(), 51);
        EXPECT_EQ(rejects.item(50)->text(), "and 20 more");
    }
}

}  // namespace
}  // namespace numora
