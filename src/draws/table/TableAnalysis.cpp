#include "draws/table/TableAnalysis.h"

#include <algorithm>

#include "draws/table/DateCell.h"
#include "draws/table/LayoutDetection.h"
#include "draws/table/NumberCell.h"
#include "draws/table/TableRows.h"

namespace numora {

namespace {

// Which delimiters can cut the file is seen on its first lines: at least half
// of them must have two fields or more.
constexpr std::size_t kDelimiterSampleLines = 100;
constexpr std::size_t kMostHeadingLines = 10;
constexpr std::size_t kHeadingSampleRecords = 100;
constexpr int kHeadingShareTenths = 8;  // of the cells below a heading, the share holding numbers or dates

bool isBlankText(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

bool isEmptyRecord(const std::vector<std::string>& cells) {
    return std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return isBlankText(cell); });
}

bool holdsNumbersOrDate(const std::string& cell) {
    if (cellNumber(cell)) return true;
    if (cellNumbers(cell, {}) > 0) return true;
    const DateCell date = readDateCell(cell);
    return date.form != DateCell::Form::None;
}

// A record is a heading when some cell holds text where most records below
// it hold numbers or dates; the last record of a file is one when none of its
// cells holds either.
bool isHeading(const std::vector<TableRecord>& records, std::size_t index) {
    const std::vector<std::string>& cells = records[index].cells;
    const std::size_t end = std::min(records.size(), index + 1 + kHeadingSampleRecords);
    if (index + 1 == records.size()) return std::none_of(cells.begin(), cells.end(), holdsNumbersOrDate);
    for (std::size_t column = 0; column < cells.size(); ++column) {
        if (isBlankText(cells[column]) || holdsNumbersOrDate(cells[column])) continue;
        int filled = 0;
        int numeric = 0;
        for (std::size_t below = index + 1; below < end; ++below) {
            const std::vector<std::string>& belowCells = records[below].cells;
            if (column >= belowCells.size() || isBlankText(belowCells[column])) continue;
            ++filled;
            numeric += holdsNumbersOrDate(belowCells[column]) ? 1 : 0;
        }
        if (filled > 0 && numeric * 10 >= filled * kHeadingShareTenths) return true;
    }
    return false;
}

bool isViable(const std::vector<TextLine>& lines, Delimiter delimiter) {
    std::vector<std::string> cells;
    std::size_t sampled = 0;
    std::size_t split = 0;
    for (const TextLine& line : lines) {
        if (sampled == kDelimiterSampleLines) break;
        ++sampled;
        splitFields(line.text, delimiter, cells);
        split += cells.size() >= 2 ? 1 : 0;
    }
    return split > 0 && split * 2 >= sampled;
}

bool holdsDigit(const std::vector<std::string>& cells) {
    return std::any_of(cells.begin(), cells.end(), [](const std::string& cell) {
        return std::any_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; });
    });
}

// The columns a layout reads.
std::vector<int> layoutColumns(const TableLayout& layout) {
    std::vector<int> columns = {layout.date.column};
    if (layout.date.split) columns.insert(columns.end(), {layout.date.column + 1, layout.date.column + 2});
    columns.insert(columns.end(), layout.balls.columns.begin(), layout.balls.columns.end());
    if (layout.bonus.kind == BonusSource::Kind::Column) columns.push_back(layout.bonus.column);
    columns.insert(columns.end(), layout.drum2.columns.begin(), layout.drum2.columns.end());
    return columns;
}

// A line that holds words where the layout reads numbers or dates.
bool headsLayout(const TableRecord& record, const TableLayout& layout) {
    for (const int column : layoutColumns(layout)) {
        const auto index = static_cast<std::size_t>(column);
        if (index < record.cells.size() && !isBlankText(record.cells[index]) &&
            !holdsNumbersOrDate(record.cells[index]))
            return true;
    }
    return false;
}

// How many of the first records are headings once the layout is known: those
// before the first that reads as a draw, as long as each holds words where
// the layout reads numbers or dates.
std::size_t headingsAbove(const std::vector<TableRecord>& records, const TableLayout& layout,
                          const LotteryProfile& profile) {
    std::size_t headings = 0;
    while (headings < std::min(records.size(), kMostHeadingLines) && !readsAsDraw(records[headings], layout, profile) &&
           headsLayout(records[headings], layout)) {
        ++headings;
    }
    return headings;
}

// Finds the layout of the records below the first ones that look like
// headings; then, in that layout, the headings are the lines above the first
// one that reads as a draw, and the layout is found again below them when
// they were others.
LayoutGuess detectBelowHeadings(TableAnalysis& cut, std::size_t headings, const LotteryProfile& profile,
                                DateOrder localeOrder) {
    const auto detect = [&](std::size_t count) {
        const std::span<const TableRecord> below = std::span<const TableRecord>(cut.records).subspan(count);
        return detectLayout(below, count > 0 ? cut.records[count - 1].cells : std::vector<std::string>{}, profile,
                            localeOrder);
    };
    LayoutGuess guess = detect(headings);
    if (guess.layout) {
        const std::size_t above = headingsAbove(cut.records, *guess.layout, profile);
        if (above != headings) {
            headings = above;
            guess = detect(headings);
        }
    }
    for (std::size_t line = 0; line < headings; ++line) cut.headingLines.push_back(cut.records[line].line);
    cut.records.erase(cut.records.begin(), cut.records.begin() + static_cast<std::ptrdiff_t>(headings));
    return guess;
}

// The file cut at one delimiter, its headings and its best layout, with the
// number of records that layout reads (-1 without one).
TableAnalysis cutAt(const std::vector<TextLine>& lines, int ignoredLines, Delimiter delimiter,
                    const LotteryProfile& profile, DateOrder localeOrder, int& readable) {
    TableAnalysis cut;
    cut.delimiter = delimiter;
    cut.ignoredLines = ignoredLines;
    cut.records.reserve(lines.size());
    std::size_t fields = 0;
    for (const TextLine& line : lines) {
        TableRecord record{line.number, {}};
        record.cells.reserve(fields);
        cut.quoted = splitFields(line.text, delimiter, record.cells) || cut.quoted;
        if (isEmptyRecord(record.cells)) {
            ++cut.ignoredLines;
            continue;
        }
        fields = record.cells.size();
        cut.records.push_back(std::move(record));
    }
    std::size_t headings = 0;
    while (headings < std::min(cut.records.size(), kMostHeadingLines) && isHeading(cut.records, headings)) ++headings;
    // Below the headings, a line without a digit (a footer, a note) gives no draw and asks for no reason.
    const auto withoutDigits =
        std::remove_if(cut.records.begin() + static_cast<std::ptrdiff_t>(headings), cut.records.end(),
                       [](const TableRecord& record) { return !holdsDigit(record.cells); });
    cut.ignoredLines += static_cast<int>(cut.records.end() - withoutDigits);
    cut.records.erase(withoutDigits, cut.records.end());

    LayoutGuess guess = detectBelowHeadings(cut, headings, profile, localeOrder);
    cut.headings = std::move(guess.headings);
    cut.layout = guess.layout;
    cut.problem = std::move(guess.problem);
    readable = guess.layout ? guess.readable : -1;
    return cut;
}

}  // namespace

TableAnalysis analyseTable(std::string_view bytes, const LotteryProfile& profile, DateOrder localeOrder) {
    DecodedText decoded = decodeText(bytes);
    std::vector<TextLine> lines = splitLines(decoded.text);
    const std::size_t allLines = lines.size();
    std::erase_if(lines, [](const TextLine& line) { return isBlankText(line.text) || isCommentLine(line.text); });
    const int ignoredLines = static_cast<int>(allLines - lines.size());

    std::optional<TableAnalysis> best;
    int bestReadable = -1;
    int readable = -1;
    for (const Delimiter delimiter : kDelimiters) {
        if (!isViable(lines, delimiter)) continue;
        TableAnalysis cut = cutAt(lines, ignoredLines, delimiter, profile, localeOrder, readable);
        if (!best || readable > bestReadable) {
            best = std::move(cut);
            bestReadable = readable;
        }
    }
    TableAnalysis analysis =
        best ? std::move(*best) : cutAt(lines, ignoredLines, Delimiter::Comma, profile, localeOrder, readable);
    analysis.encoding = decoded.encoding;
    analysis.byteOrderMark = decoded.byteOrderMark;
    return analysis;
}

}  // namespace numora
