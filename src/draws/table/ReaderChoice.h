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

// The reader for a lottery's file. A lottery without a second drum: as above.
// A lottery with one reads a file of the lenient characters with the lenient
// reader only when each line is a whole draw line of it (its balls and second
// drum's numbers, the bonus when it has one, perhaps a date after them: what
// the export writes); any other file, such as one with a draw number or the
// date first, goes to the table reader, which finds its columns rather than
// taking the first numbers of a line for the balls.
DrawReader chooseReader(std::string_view bytes, const LotteryProfile& profile);

// A file to import, read whole (a regular file of at most the import's
// largest size); nullopt, with the import's text and its cause in problem,
// when it cannot be.
std::optional<std::string> readImportFile(const std::filesystem::path& file, std::string& problem);

// How a file's bytes are imported: by the reader chosen, or else by the one
// the bytes call for (chooseReader for the lottery); the table reader's
// analysis of them for the lottery when it reads them.
struct ImportPlan {
    DrawReader reader = DrawReader::Lenient;
    std::optional<TableAnalysis> analysis;
};

ImportPlan planImport(std::string_view bytes, std::optional<DrawReader> chosen, const LotteryProfile& profile,
                      DateOrder localeOrder);

}  // namespace numora
