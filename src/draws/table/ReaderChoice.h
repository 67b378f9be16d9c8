#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

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

// The same for a file, read in pieces; a file that cannot be read goes to the
// lenient reader, which says so.
DrawReader chooseReaderForFile(const std::filesystem::path& file);

// The bytes of a file for the table reader; nullopt, with the text to show,
// when it cannot be read or is too large for a history of draws.
std::optional<std::string> readTableFile(const std::filesystem::path& file, std::string& problem);

}  // namespace numora
