#include <gtest/gtest.h>

#include "draws/CsvExport.h"
#include "draws/DatedExport.h"
#include "draws/table/TableAnalysis.h"
#include "draws/table/TableRows.h"
#include "picking/PickingTestData.h"
#include "platform/DevicePaths.h"
#include "platform/LocalTime.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

const LotteryProfile kLotto649{.name = "Lotto 649"};  // 6 balls from 1 to 49, bonus up to 49
const DrawRecord kDraw{0, 1, 2, 3, 4, 5, 6, 0, 7};
const FixedOffsetLocalTime kTime(3600);  // one hour east of UTC

}  // namespace

TEST(CsvExport, writesTwoDigitFieldsInUtf16IntoMyDocumentsOrReportsWhyNot) {
    DrawRecord emptyBonus = kDraw;
    emptyBonus.bonus = -1;
    EXPECT_EQ(csvExportText({kDraw, emptyBonus}, {.name = "Lotto 7", .balls = 7}),
              "01,02,03,04,05,06,00,07\n01,02,03,04,05,06,00,-01\n");
    EXPECT_EQ(csvExportText({kDraw}, {.name = "Pick 3", .balls = 3, .bonus = 0}), "01,02,03\n");

    const testing::ScratchFolder root;
    const DevicePaths device(root.path());
    const CsvExportResult written = exportCsv(device, {kDraw}, kLotto649);
    EXPECT_EQ(written.message, "Export Complete!\nFile is located in your\nMy Documents folder.");
    EXPECT_EQ(written.hostFile, root / "My Documents" / "Lotto 649 Export.csv");
    EXPECT_EQ(testing::readBytes(written.hostFile), testing::utf16Bytes(u"01,02,03,04,05,06,07\n"));
    EXPECT_EQ(exportCsv(device, {}, kLotto649).ok, true);
    EXPECT_EQ(testing::readBytes(written.hostFile), "");

    std::filesystem::remove_all(root / "My Documents");
    testing::writeBytes(root / "My Documents", "a file where the folder belongs");
    const CsvExportResult refused = exportCsv(device, {kDraw}, kLotto649);
    EXPECT_EQ(refused.ok, false);
    EXPECT_EQ(refused.message, "Error 208, Data File creation Error\n(a file stands where its folder belongs)");
}

TEST(DatedExport, writesAHeadingAndIsoDatesThatTheTableReaderRestoresInAnyLocale) {
    const LotteryProfile& lotto = kLotto649;
    const DrawList draws = {{kTime.toSeconds({2006, 1, 4, 10, 30}), 1, 2, 3, 4, 5, 6, 0, 7},
                            {kTime.toSeconds({2006, 4, 1}), 11, 12, 13, 14, 15, 16, -1, -1}};
    const std::string text = datedExportText(draws, lotto, kTime);
    EXPECT_EQ(text,
              "Date,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus\n"
              "2006-01-04,01,02,03,04,05,06,07\n"
              "2006-04-01,11,12,13,14,15,16,\n");

    for (const DateOrder order : {DateOrder::DayMonthYear, DateOrder::MonthDayYear}) {
        const TableAnalysis analysis = analyseTable(text, lotto, order);
        ASSERT_TRUE(analysis.layout.has_value()) << analysis.problem;
        const TableRows rows = readTableRows(analysis.records, *analysis.layout, lotto, kTime);
        ASSERT_EQ(rows.rows.size(), 2u);
        EXPECT_EQ(rows.rows[0].draw, (DrawRecord{kTime.toSeconds({2006, 1, 4}), 1, 2, 3, 4, 5, 6, 0, 7}));
        EXPECT_EQ(rows.rows[1].draw, (DrawRecord{kTime.toSeconds({2006, 4, 1}), 11, 12, 13, 14, 15, 16, 0, 0}));
    }

    const LotteryProfile pick3 = testing::lotteryProfile(3, 0, 9);
    EXPECT_EQ(datedExportText({{kTime.toSeconds({2016, 4, 12}), 0, 6, 9}}, pick3, kTime),
              "Date,Ball 1,Ball 2,Ball 3\n2016-04-12,00,06,09\n");

    testing::ScratchFolder root;
    const DevicePaths device(root.path());
    const CsvExportResult written = exportDatedCsv(device, draws, lotto, kTime);
    EXPECT_TRUE(written.ok);
    EXPECT_EQ(written.message, "Export Complete!\nFile is located in your\nMy Documents folder.");
    EXPECT_EQ(written.hostFile, root / "My Documents" / "Lotto 649 Export with Dates.csv");
    EXPECT_EQ(testing::readBytes(written.hostFile), text);
}

}  // namespace numora
