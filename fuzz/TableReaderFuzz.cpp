// libFuzzer harness for the table reader: any bytes are analysed for three
// lotteries, read with the layout found and with each alternative a user may
// choose, described in words and merged; what the reader promises is checked.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "draws/table/LayoutDetection.h"
#include "draws/table/LayoutWords.h"
#include "draws/table/PreviewTexts.h"
#include "draws/table/ReaderChoice.h"
#include "draws/table/TableAnalysis.h"
#include "draws/table/TableMerge.h"
#include "platform/LocalTime.h"
#include "platform/Utf16.h"

namespace {

using namespace numora;

constexpr std::size_t kChoicesTried = 3;

void require(bool holds) {
    if (!holds) std::abort();
}

LotteryProfile lottery(int balls, int min, int max, int bonus) {
    LotteryProfile profile;
    profile.balls = balls, profile.min = min, profile.max = max, profile.bonus = bonus;
    return profile;
}

// Every row holds the lottery's balls within its range, the bonus within its
// own, a date a draw can have, and rows and rejects together are the records
// in file order.
void checkRows(const TableAnalysis& analysis, const TableRows& read, const LotteryProfile& profile) {
    require(read.rows.size() + read.rejects.size() == analysis.records.size());
    for (const TableRow& row : read.rows) {
        require(row.draw.date >= 0);
        for (int ball = 1; ball <= DrawRecord::kBallCount; ++ball) {
            const int value = row.draw.ball(ball);
            require(ball <= profile.balls ? value >= profile.min && value <= profile.max : value == 0);
        }
        require(row.draw.bonus >= 0 && row.draw.bonus <= std::max(profile.bonus, 0));
    }
    for (const RejectedLine& reject : read.rejects) {
        require(reject.reason.rfind("line " + std::to_string(reject.line) + ": ", 0) == 0);
    }
}

// Merged into no draws, then merged again into what the first merge stored:
// the second run skips every row.
void checkMerges(const TableRows& read, const LotteryProfile& profile) {
    const TablePreview first = previewTableImport(read, {}, profile);
    require(first.counters.imported + first.counters.skipped == static_cast<std::int32_t>(read.rows.size()));
    DrawList stored;
    for (const DrawRecord& draw : first.stored) stored.append(draw);
    const TablePreview second = previewTableImport(read, stored, profile);
    require(second.counters.imported == 0);
    require(second.counters.skipped == static_cast<std::int32_t>(read.rows.size()));
}

void analyse(std::string_view bytes, const LotteryProfile& profile, DateOrder order, const LocalTime& time) {
    const TableAnalysis analysis = analyseTable(bytes, profile, order);
    if (!analysis.layout) {
        require(!analysis.problem.empty());
        return;
    }
    const TableLayout& layout = *analysis.layout;
    const TableRows read = readTableRows(analysis.records, layout, profile, time);
    checkRows(analysis, read, profile);
    checkMerges(read, profile);
    require(layoutInWords(analysis, layout).size() == 4);
    for (const TableRow& row : read.rows) require(!previewCells(row, profile, time).empty());

    // A few of the alternatives keep each run short.
    const std::vector<BallSource> ballChoices = ballSourceChoices(analysis.records, layout.date, profile);
    for (std::size_t b = 0; b < std::min(ballChoices.size(), kChoicesTried); ++b) {
        const BallSource& balls = ballChoices[b];
        TableLayout chosen{layout.date, balls, {}, {}};
        const std::vector<BonusSource> bonusChoices = bonusSourceChoices(analysis.records, chosen, profile);
        for (std::size_t k = 0; k < std::min(bonusChoices.size(), kChoicesTried); ++k) {
            const BonusSource& bonus = bonusChoices[k];
            chosen.bonus = bonus;
            checkRows(analysis, readTableRows(analysis.records, chosen, profile, time), profile);
            require(!ballSourceInWords(analysis, balls).empty());
            require(!bonusSourceInWords(analysis, bonus, balls).empty());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const FixedOffsetLocalTime time;
    // The decoded text is UTF-8 that survives a round trip.
    const DecodedText decoded = decodeText(bytes);
    require(fromUtf16(toUtf16(decoded.text)) == decoded.text);
    chooseReader(bytes);

    analyse(bytes, lottery(6, 1, 49, 49), DateOrder::MonthDayYear, time);
    analyse(bytes, lottery(3, 0, 9, 0), DateOrder::DayMonthYear, time);
    analyse(bytes, lottery(5, 1, 69, 26), DateOrder::YearMonthDay, time);
    return 0;
}
