#include "draws/table/ReaderChoice.h"

#include <array>
#include <fstream>
#include <system_error>

#include "draws/CsvDrawLine.h"
#include "draws/CsvImport.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr std::string_view kLineEnds = std::string_view("\r\n\0", 3);
constexpr std::size_t kChunkBytes = 64 * 1024;
constexpr std::uintmax_t kMostTableMegabytes = 64;
constexpr std::uintmax_t kMostTableBytes = kMostTableMegabytes * 1024 * 1024;
constexpr char kTooLarge[] = "The file is larger than %d MB: too large for a history of draws.";

// One flag per byte value: whether the lenient reader takes it.
std::array<bool, 256> lenientBytes() {
    std::array<bool, 256> taken{};
    for (const char c : kCsvLineCharacters) taken[static_cast<unsigned char>(c)] = true;
    for (const char c : kLineEnds) taken[static_cast<unsigned char>(c)] = true;
    return taken;
}

bool allLenient(std::string_view bytes) {
    static const std::array<bool, 256> taken = lenientBytes();
    for (const char c : bytes) {
        if (!taken[static_cast<unsigned char>(c)]) return false;
    }
    return true;
}

}  // namespace

DrawReader chooseReader(std::string_view bytes) { return allLenient(bytes) ? DrawReader::Lenient : DrawReader::Table; }

DrawReader chooseReaderForFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return DrawReader::Lenient;
    std::ifstream in(file, std::ios::binary);
    std::string chunk(kChunkBytes, '\0');
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (!allLenient(std::string_view(chunk.data(), static_cast<std::size_t>(in.gcount()))))
            return DrawReader::Table;
    }
    return DrawReader::Lenient;
}

std::optional<std::string> readTableFile(const std::filesystem::path& file, std::string& problem) {
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(file, error);
    const std::uintmax_t size = regular ? std::filesystem::file_size(file, error) : 0;
    std::ifstream in(file, std::ios::binary);
    if (!regular || error || !in) {
        problem = kImportCannotOpen;
        return std::nullopt;
    }
    if (size > kMostTableBytes) {
        problem = formatText(kTooLarge, static_cast<int>(kMostTableMegabytes));
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace numora
