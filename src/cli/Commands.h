#pragma once

#include "CliCommand.h"

namespace numora {

// One declaration per command; each lives in its own Command*.cpp file.

// The lottery names, one a line, in list order.
inline constexpr const char* kLotteriesCommandName = "lotteries";
int runLotteries(CliContext& context, const std::vector<std::string>& words);

// A lottery's profile as Key=Value lines.
inline constexpr const char* kShowCommandName = "show";
int runShow(CliContext& context, const std::vector<std::string>& words);

// Adds a lottery or changes its profile, as the profile editor's Save.
inline constexpr const char* kAddCommandName = "add";
int runAdd(CliContext& context, const std::vector<std::string>& words);

// Deletes a lottery, as the profile editor's Delete.
inline constexpr const char* kDeleteCommandName = "delete";
int runDelete(CliContext& context, const std::vector<std::string>& words);

// A lottery's past draws, one a line.
inline constexpr const char* kDrawsCommandName = "draws";
int runDraws(CliContext& context, const std::vector<std::string>& words);

// Imports a CSV file of past draws into a lottery's draws and saves them.
inline constexpr const char* kImportCommandName = "import";
int runImport(CliContext& context, const std::vector<std::string>& words);

// Writes a lottery's draws to its CSV export file.
inline constexpr const char* kExportCommandName = "export";
int runExport(CliContext& context, const std::vector<std::string>& words);

// How often each ball number was drawn, and the number of draws.
inline constexpr const char* kStatsCommandName = "stats";
int runStats(CliContext& context, const std::vector<std::string>& words);

// Makes one pick as the main window does and writes its pick-list line.
inline constexpr const char* kPickCommandName = "pick";
int runPick(CliContext& context, const std::vector<std::string>& words);

// Checks lines against a draw, or each against every draw.
inline constexpr const char* kCheckCommandName = "check";
int runCheck(CliContext& context, const std::vector<std::string>& words);

// Plays lines as tickets for the draw of a day.
inline constexpr const char* kPlayCommandName = "play";
int runPlay(CliContext& context, const std::vector<std::string>& words);

// Lists a lottery's tickets, or deletes one.
inline constexpr const char* kTicketsCommandName = "tickets";
int runTickets(CliContext& context, const std::vector<std::string>& words);

// How often each number was drawn lately, against chance.
inline constexpr const char* kTrendsCommandName = "trends";
int runTrends(CliContext& context, const std::vector<std::string>& words);

// How analysed picks would have fared against the last draws.
inline constexpr const char* kBacktestCommandName = "backtest";
int runBacktest(CliContext& context, const std::vector<std::string>& words);

// A lottery's pick rules, changed by the words when they say so.
inline constexpr const char* kRulesCommandName = "rules";
int runRules(CliContext& context, const std::vector<std::string>& words);

// The six options of the Advanced window, changed by the words when they say so.
inline constexpr const char* kOptionsCommandName = "options";
int runOptions(CliContext& context, const std::vector<std::string>& words);

}  // namespace numora
