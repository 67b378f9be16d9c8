#include "draws/table/ReaderChoice.h"

#include <array>

#include "draws/CsvDrawLine.h"
#include "draws/CsvImport.h"
#include "platform/FileProblem.h"
#include "draws/CsvLineReader.h"
#include "platform/WholeFile.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr std::string_view kLineEnds = std::string_view("\r\n\0", 3);

// One flag per byte value: whether the lenient reader takes it.
std::array<bool, 256> lenientBytes() {
    std::array<bool, 256> taken{};
    for (const char c : kCsvLineCharacters) taken[static_cast<unsigned char>(c)] = true;
    for (const char c : kLineEnds) taken[static_cast<unsigned char>(c)] = true;
    return taken;
}

}  // namespace

DrawReader chooseReader(std::string_view bytes) {
    static const std::array<bool, 256> taken = lenientBytes();
    for (const char c : bytes) {
        if (!taken[static_cast<unsigned char>(c)]) return DrawReader::Table;
    }
    return DrawReader::Lenient;
}

DrawReader chooseReader(std::string_view bytes, const LotteryProfile& profile) {
    const DrawReader reader = chooseReader(bytes);
    if (reader == DrawReader::Table || !hasSecondDrum(profile)) return reader;
    const int numbers = slotsInPlay(profile);
    const int withBonus = numbers + (profile.bonus > 0 ? 1 : 0);
    CsvLineReader lines(bytes);
    for (std::string line; lines.next(line);) {
        const std::optional<int> found = wholeDrawLineNumbers(line);
        if (!found || (*found != 0 && *found != numbers && *found != withBonus)) return DrawReader::Table;
    }
    return DrawReader::Lenient;
}

std::optional<std::string> readImportFile(const std::filesystem::path& file, std::string& problem) {
    WholeFile read = readWholeFile(file, kImportLargestFile);
    if (read.read()) return std::move(read.bytes);
    problem = read.status == WholeFileStatus::TooLarge ? kImportTooLarge : withCause(kImportCannotOpen, read.cause);
    return std::nullopt;
}

ImportPlan planImport(std::string_view bytes, std::optional<DrawReader> chosen, const LotteryProfile& profile,
                      DateOrder localeOrder) {
    ImportPlan plan{chosen.value_or(chooseReader(bytes, profile)), std::nullopt};
    if (plan.reader == DrawReader::Table) plan.analysis = analyseTable(bytes, profile, localeOrder);
    return plan;
}

}  // namespace numora
