#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "draws/table/TableAnalysis.h"

namespace numora {

// Which reader imports a file of draws.
enum class DrawReader {
    Lenient,  // the CSV import as it always read: numbers and a date among comma-separated fields
    Table,    // publishers' files: layout detection, preview, rejected lines named
};

// The lenient reader takes a file whose every byte is one of its line
// characters (digits and "\/:.-,"), a line end or a zero byte: files written
// by the export, or typed in that form. Any other byte sends the file to the
// table reader.
DrawReader chooseReader(std::string_view bytes);

// A file to import, read whole as the CSV import reads it (a regular file of
// at most its largest size); nullopt, with the import's text and its cause in
// problem, when it cannot be. The lenient import reads the file itself: a file it is to
// read, or one that cannot be read, goes to it by its path.
std::optional<std::string> readImportFile(const std::filesystem::path& file, std::string& problem);

// A file to import, analysed for the lottery when the table reader is to read
// it; nullopt when the lenient import is to read it by its path (so also when
// it cannot be read: that import tells why).
std::optional<TableAnalysis> analyseImportFile(const std::filesystem::path& file, const LotteryProfile& profile,
                                               DateOrder localeOrder);

}  // namespace numora
