#include "draws/table/TableAnalysis.h"

#include <algorithm>

#include "draws/table/DateCell.h"
#include "draws/table/LayoutDetection.h"
#include "draws/table/NumberCell.h"

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
    while (headings < std::min(cut.records.size(), kMostHeadingLines) && isHeading(cut.records, headings)) {
        cut.headingLines.push_back(cut.records[headings].line);
        ++headings;
    }
    if (headings > 0) cut.headings = cut.records[headings - 1].cells;
    cut.records.erase(cut.records.begin(), cut.records.begin() + static_cast<std::ptrdiff_t>(headings));

    LayoutGuess guess = detectLayout(cut.records, cut.headings, profile, localeOrder);
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
