#include <gtest/gtest.h>

#include "draws/DatedExport.h"
#include "draws/table/TableAnalysis.h"
#include "draws/table/TableRows.h"
#include "platform/DevicePaths.h"
#include "picking/PickingTestData.h"
#include "platform/LocalTime.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

const FixedOffsetLocalTime kTime(3600);  // one hour east of UTC

TEST(DatedExport, writesAHeadingAndIsoDatesThatTheTableReaderRestoresInAnyLocale) {
    LotteryProfile lotto;  // 6 balls from 1 to 49, bonus up to 49
    lotto.name = "Lotto 649";
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

}  // namespace
}  // namespace numora
