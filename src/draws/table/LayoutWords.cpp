#include "draws/table/LayoutWords.h"

#include <algorithm>
#include <array>
#include <utility>

#include "draws/table/LayoutDetection.h"
#include "draws/table/TableRows.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr char kColumn[] = "column %d";
constexpr char kHeadingQuoted[] = " \"%s\"";
constexpr char kFileLine[] = "File: %s, %s%s, %s%s.";
constexpr char kQuotedFields[] = ", quoted fields";
constexpr char kNoHeading[] = "no heading";
constexpr char kHeadingOnLine[] = "heading on line %d";
constexpr char kHeadingOnLines[] = "heading on lines %d to %d";
constexpr char kIgnoredLines[] = ", %d blank, comment or text lines";
constexpr char kDateLine[] = "Date: %s";
constexpr char kDateInOrder[] = "%s in %s";
constexpr char kSplitDate[] = "%s in %s, %s in %s, %s in %s";
constexpr const char* kDatePartNames[] = {"day", "month", "year"};
constexpr char kBallsLine[] = "Balls: %s";
constexpr char kBallRun[] = "columns %d to %d";
constexpr char kBallRunHeadings[] = "columns %d to %d (\"%s\" to \"%s\")";
constexpr char kBallColumnsStart[] = "columns ";
constexpr char kPackedBalls[] = "packed in %s";
constexpr char kBonusLine[] = "Bonus: %s";
constexpr char kNone[] = "none";
constexpr char kPackedBonus[] = "the last number packed in %s";
constexpr char kSecondDrumLine[] = "Second drum: %s";
constexpr char kDrumAfterBalls[] = "after the balls packed in %s";

bool consecutive(const std::vector<int>& columns) {
    for (std::size_t i = 1; i < columns.size(); ++i) {
        if (columns[i] != columns[i - 1] + 1) return false;
    }
    return !columns.empty();
}

std::string headingLinesInWords(const std::vector<int>& lines) {
    if (lines.empty()) return kNoHeading;
    if (lines.size() == 1) return formatText(kHeadingOnLine, lines.front());
    return formatText(kHeadingOnLines, lines.front(), lines.back());
}

}  // namespace

std::string shownHeading(const TableAnalysis& analysis, int column) {
    const auto index = static_cast<std::size_t>(column);
    if (column < 0 || index >= analysis.headings.size()) return {};
    const std::string& heading = analysis.headings[index];
    const bool ascii =
        std::all_of(heading.begin(), heading.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii || analysis.encoding != TextEncoding::EightBit ? heading : std::string();
}

std::string columnInWords(const TableAnalysis& analysis, int column) {
    std::string words = formatText(kColumn, column + 1);
    const std::string heading = shownHeading(analysis, column);
    if (!heading.empty()) words += formatText(kHeadingQuoted, heading.c_str());
    return words;
}

std::string dateSourceInWords(const TableAnalysis& analysis, const DateSource& date) {
    if (date.split) {
        // In the columns' own order: "month in column 2, day in column 3, year in column 4".
        const std::array<int, 3> columns = dayMonthYearColumns(date);
        std::array<std::pair<int, const char*>, 3> parts;
        for (std::size_t i = 0; i < parts.size(); ++i) parts[i] = {columns[i], kDatePartNames[i]};
        std::sort(parts.begin(), parts.end());
        return formatText(kSplitDate, parts[0].second, columnInWords(analysis, parts[0].first).c_str(), parts[1].second,
                          columnInWords(analysis, parts[1].first).c_str(), parts[2].second,
                          columnInWords(analysis, parts[2].first).c_str());
    }
    const std::string column = columnInWords(analysis, date.column);
    if (!dateOrderMatters(analysis.records, date)) return column;
    return formatText(kDateInOrder, dateOrderInWords(date.order), column.c_str());
}

std::string ballSourceInWords(const TableAnalysis& analysis, const BallSource& balls) {
    if (balls.columns.empty()) return kNone;
    if (balls.packed) return formatText(kPackedBalls, columnInWords(analysis, balls.columns.front()).c_str());
    const int first = balls.columns.front();
    const int last = balls.columns.back();
    if (consecutive(balls.columns)) {
        const std::string firstHeading = shownHeading(analysis, first);
        const std::string lastHeading = shownHeading(analysis, last);
        if (firstHeading.empty() || lastHeading.empty()) return formatText(kBallRun, first + 1, last + 1);
        return formatText(kBallRunHeadings, first + 1, last + 1, firstHeading.c_str(), lastHeading.c_str());
    }
    std::string words = kBallColumnsStart;
    for (std::size_t i = 0; i < balls.columns.size(); ++i) {
        words += (i == 0 ? "" : ", ") + std::to_string(balls.columns[i] + 1);
    }
    return words;
}

std::string bonusSourceInWords(const TableAnalysis& analysis, const BonusSource& bonus, const BallSource& balls) {
    switch (bonus.kind) {
        case BonusSource::Kind::None:
            return kNone;
        case BonusSource::Kind::Column:
            return columnInWords(analysis, bonus.column);
        case BonusSource::Kind::PackedLast:
            break;
    }
    const int packed = balls.columns.empty() ? 0 : balls.columns.front();
    return formatText(kPackedBonus, columnInWords(analysis, packed).c_str());
}

std::string secondDrumSourceInWords(const TableAnalysis& analysis, const SecondDrumSource& drum,
                                    const BallSource& balls) {
    switch (drum.kind) {
        case SecondDrumSource::Kind::None:
            return kNone;
        case SecondDrumSource::Kind::Columns:
            if (drum.columns.size() == 1) return columnInWords(analysis, drum.columns.front());
            return ballSourceInWords(analysis, drum.cells());
        case SecondDrumSource::Kind::Packed:
            return ballSourceInWords(analysis, drum.cells());
        case SecondDrumSource::Kind::PackedAfterBalls:
            break;
    }
    const int packed = balls.columns.empty() ? 0 : balls.columns.front();
    return formatText(kDrumAfterBalls, columnInWords(analysis, packed).c_str());
}

std::vector<std::string> layoutInWords(const TableAnalysis& analysis, const TableLayout& layout) {
    const DecodedText encoding{analysis.encoding, analysis.byteOrderMark, {}};
    const std::string ignored = analysis.ignoredLines > 0 ? formatText(kIgnoredLines, analysis.ignoredLines) : "";
    std::vector<std::string> lines = {
        formatText(kFileLine, encodingInWords(encoding).c_str(), delimiterInWords(analysis.delimiter),
                   analysis.quoted ? kQuotedFields : "", headingLinesInWords(analysis.headingLines).c_str(),
                   ignored.c_str()),
        formatText(kDateLine, dateSourceInWords(analysis, layout.date).c_str()),
        formatText(kBallsLine, ballSourceInWords(analysis, layout.balls).c_str()),
        formatText(kBonusLine, bonusSourceInWords(analysis, layout.bonus, layout.balls).c_str()),
    };
    if (layout.drum2.kind != SecondDrumSource::Kind::None) {
        lines.push_back(
            formatText(kSecondDrumLine, secondDrumSourceInWords(analysis, layout.drum2, layout.balls).c_str()));
    }
    return lines;
}

}  // namespace numora
