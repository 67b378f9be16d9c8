#pragma once

#include <string>
#include <vector>

#include "draws/table/TableAnalysis.h"

namespace numora {

// A column's heading as it is shown: empty when the file has none there, or
// when it holds characters above ASCII in an 8-bit file, whose code page is
// unknown (only text fields hold them, and they would show garbled).
std::string shownHeading(const TableAnalysis& analysis, int column);

// A column as the user sees it: 'column 4 "DRAW DATE"' (numbered from 1,
// with its heading when the file has one).
std::string columnInWords(const TableAnalysis& analysis, int column);

// Where the dates, balls and bonus are, in words.
std::string dateSourceInWords(const TableAnalysis& analysis, const DateSource& date);
std::string ballSourceInWords(const TableAnalysis& analysis, const BallSource& balls);
std::string bonusSourceInWords(const TableAnalysis& analysis, const BonusSource& bonus, const BallSource& balls);
std::string secondDrumSourceInWords(const TableAnalysis& analysis, const SecondDrumSource& drum,
                                    const BallSource& balls);

// The file and its layout in words, a line each: "File: UTF-8, comma-separated,
// heading on line 1.", then "Date: ...", "Balls: ...", "Bonus: ..." and, when
// the layout has a second drum, "Second drum: ...".
std::vector<std::string> layoutInWords(const TableAnalysis& analysis, const TableLayout& layout);

}  // namespace numora
