#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "draws/CsvDrawLine.h"
#include "draws/CsvImport.h"
#include "draws/CsvLineReader.h"
#include "draws/DrawFile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"

namespace numora {

namespace {

class IgnoredTexts final : public ImportObserver {
public:
    void showInfo(const std::string&) override {}
    void showMessage(const std::string&) override {}
};

struct LinesRead {
    std::int32_t pieces = 0;
    std::int32_t draws = 0;    // pieces that give a draw
    std::int32_t undated = 0;  // of those, the ones without a date
};

LinesRead countLines(const std::filesystem::path& file, const CsvLineRules& rules) {
    std::ifstream in(file, std::ios::binary);
    CsvLineReader reader(in);
    LinesRead read;
    std::string line;
    while (reader.next(line)) {
        ++read.pieces;
        const auto draw = readCsvDrawLine(line, rules);
        read.draws += draw ? 1 : 0;
        read.undated += draw && !draw->dated ? 1 : 0;
    }
    return read;
}

}  // namespace

// Published draw histories are hostile input to the lenient reader: quoted
// fields, headings, other date orders, several draws per date. Every file is
// imported, one after the other, into one lottery per profile and locale.
TEST(RealDrawsImport, publishedFilesImportWithConsistentCountsAndADrawFileThatLoadsBack) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(NUMORA_REAL_DRAWS)) {
        if (entry.path().extension() == ".csv") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 10u);

    const FixedOffsetLocalTime time(3600);
    const std::int32_t start = time.toSeconds(time.now());
    const std::vector<std::pair<LotteryProfile, FixedLocaleInfo>> lotteries = {
        {{.name = "Lotto", .balls = 6, .min = 1, .max = 49, .bonus = 49},
         FixedLocaleInfo(DateOrder::MonthDayYear, "/")},
        {{.name = "Pick 3", .balls = 3, .min = 0, .max = 9, .bonus = 0}, FixedLocaleInfo(DateOrder::DayMonthYear, "/")},
        {{.name = "Mega", .balls = 5, .min = 1, .max = 70, .bonus = 25}, FixedLocaleInfo(DateOrder::YearMonthDay, "-")},
        {{.name = "Keno", .balls = 7, .min = 1, .max = 99, .bonus = 99},
         FixedLocaleInfo(DateOrder::DayMonthYear, "\xE2\x80\x8F")},
    };
    for (const auto& [profile, locale] : lotteries) {
        DrawList draws;
        const CsvLineRules rules{profile.balls, profile.bonus, locale.shortDateOrder(), std::nullopt, start, &time};
        for (const auto& file : files) {
            SCOPED_TRACE(file.filename().string() + " into a " + std::to_string(profile.balls) + "-ball lottery");
            const LinesRead read = countLines(file, rules);
            const std::size_t before = draws.size();
            IgnoredTexts observer;
            const ImportOutcome outcome = importCsvFile(
                file, draws, {profile, locale, time, start}, [](const DrawList&) { return DrawFileResult{}; },
                observer);
            const ImportCounters& counted = outcome.counters;

            EXPECT_EQ(outcome.status, ImportStatus::Completed);
            EXPECT_LE(read.draws, read.pieces);
            // Every draw line counts once as imported or skipped; a line without a
            // date is appended whatever its walk met, so it may count as both.
            EXPECT_GE(counted.imported + counted.skipped, read.draws);
            EXPECT_LE(counted.imported + counted.skipped, read.draws + read.undated);
            EXPECT_LE(counted.repeats, counted.imported);
            EXPECT_EQ(draws.size(), before + static_cast<std::size_t>(counted.imported));

            DrawList loaded;
            EXPECT_EQ(DrawFile::decode(DrawFile::encode(draws), loaded).ok(), true);
            EXPECT_EQ(loaded, draws);
        }
    }
}

}  // namespace numora
