#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "LotteryDraws.h"
#include "draws/CsvImport.h"
#include "draws/table/TableAnalysis.h"

namespace numora {

// The import command's pieces that both readers share, and the table reader's run.

inline constexpr const char* kDryRunFlag = "--dry-run";
inline constexpr const char* kReaderOption = "--reader";

// The terminal has no info line; the messages are printed once the run ends.
class CollectedMessages final : public ImportObserver {
public:
    void showInfo(const std::string&) override {}
    void showMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// Prints a dry run's counts and the draws an import would store, oldest
// first, as the draws command writes them.
void printDryRun(CliContext& context, const ImportCounters& counters, int rejected, std::vector<DrawRecord> stored);

// Prints the messages of a finished run: to the output when it completed,
// as failures otherwise. Returns the exit status.
int reportImportRun(CliContext& context, ImportStatus status, const std::vector<std::string>& messages);

// Fails the command when no line of the file gave a draw.
bool fileGaveDraws(CliContext& context, const ImportCounters& counters);

// Imports a file through the table reader's analysis of it: prints the layout
// it found and each rejected line (to the error stream), then imports (or, on
// a dry run, prints what it would store).
int runTableImport(CliContext& context, LotteryDraws& lottery, const TableAnalysis& analysis, bool dryRun);

}  // namespace numora
