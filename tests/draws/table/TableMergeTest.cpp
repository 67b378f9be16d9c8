#include <gtest/gtest.h>

#include "draws/table/TableMerge.h"
#include "picking/PickingTestData.h"
#include "platform/LocalTime.h"
#include "support/RecordingImportObserver.h"

namespace numora {
namespace {

using testing::RecordingImportObserver;

const FixedOffsetLocalTime kTime;
const std::int32_t kMay1 = kTime.toSeconds({2025, 5, 1});
const std::int32_t kMay2 = kTime.toSeconds({2025, 5, 2});

LotteryProfile cash3() { return testing::lotteryProfile(3, 0, 9); }

TableRows rowsOf(std::vector<DrawRecord> draws, std::vector<RejectedLine> rejects = {}) {
    TableRows rows{{}, std::move(rejects)};
    int line = 2;
    for (const DrawRecord& draw : draws) rows.rows.push_back({line++, draw});
    return rows;
}

// Three draws a day: the merge walk compares a row only with the first draw of
// its date, so a repeated second or third draw would be stored again.
TEST(TableMerge, aRowEqualToAnyStoredDrawOfItsDateIsSkippedAndNewDrawsOfTheDateFollowThem) {
    const DrawList stored = {{kMay1, 7, 9, 0}, {kMay1, 6, 4, 8}, {kMay2, 1, 1, 1}};
    const TableRows rows = rowsOf({{kMay1, 6, 4, 8}, {kMay1, 5, 5, 5}, {kMay1, 5, 5, 5}, {kMay2, 1, 1, 1}});

    const TablePreview preview = previewTableImport(rows, stored, cash3());
    EXPECT_EQ(preview.counters, (ImportCounters{1, 1, 3}));
    EXPECT_EQ(preview.stored, (std::vector<DrawRecord>{{kMay1, 5, 5, 5}}));

    DrawList draws = stored;
    RecordingImportObserver observer;
    const ImportOutcome outcome = importTableRows(
        rows, draws, cash3(), [](const DrawList&) { return DrawFileResult{}; }, observer);
    EXPECT_EQ(outcome.counters, preview.counters);
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(draws.at(2).ball1, 5);  // after the stored draws of its date
    EXPECT_EQ(observer.messages,
              std::vector<std::string>{
                  "Imported 1 lines into past draw file.\nRecorded 1 repeat draw dates.\nSkipped 3 lines."});
    EXPECT_EQ(observer.infos, (std::vector<std::string>{"Preparing to Import", "Reading:0 Draws", "Reading:1 Draws",
                                                        "Reading:1 Draws", "Reading:1 Draws", "Import Complete"}));
}

TEST(TableMerge, rejectedLinesAreCountedInTheSummaryAndAFailedSaveReplacesIt) {
    const TableRows rows = rowsOf({{kMay1, 1, 2, 3}}, {{3, "line 3: no date"}, {4, "line 4: no date"}});
    DrawList draws;
    RecordingImportObserver observer;
    importTableRows(
        rows, draws, cash3(), [](const DrawList&) { return DrawFileResult{}; }, observer);
    EXPECT_EQ(observer.messages.back(),
              "Imported 1 lines into past draw file.\nRecorded 0 repeat draw dates.\n"
              "Skipped 0 lines.\nRejected 2 lines.");

    DrawList unsaved;
    RecordingImportObserver failed;
    const auto cannotSave = [](const DrawList&) {
        return DrawFileResult{DrawFileResult::Status::CannotCreate, "ERROR 101\nUnable to Open or Create x.dat"};
    };
    EXPECT_EQ(importTableRows(rows, unsaved, cash3(), cannotSave, failed).status, ImportStatus::SaveFailed);
    EXPECT_EQ(failed.messages,
              (std::vector<std::string>{
                  "ERROR 101\nUnable to Open or Create x.dat",
                  "ERROR 2006:\nUnable to save past draw data!\nFile may be in use or memory may be too low."}));
    EXPECT_EQ(unsaved.size(), 1u);
}

}  // namespace
}  // namespace numora
