#include "CliCommand.h"
#include "CommandWheel.h"
#include "Commands.h"
#include "PickRulesWords.h"
#include "settings/ProfileLimits.h"

namespace numora {

namespace {

// The add command's help, with the ranges and the name length the profile
// editor accepts.
std::string addHelp() {
    return "Writes the lottery's profile into the settings file. A new name is listed at the\n"
           "lowest free index; a name already listed in other capitals changes that listed\n"
           "lottery.\n"
           "  --balls N       balls in a line, " + limitsText(kBallsLimits) + "\n"
           "  --min N         lowest ball, " + limitsText(kLowestBallLimits) + "\n"
           "  --max N         highest ball, " + limitsText(kHighestBallLimits) + "\n"
           "  --bonus N       highest bonus or PowerBall number, " + limitsText(kHighestBonusLimits) +
           " (0: no bonus)\n"
           "  --repeat        numbers may repeat in a line\n"
           "  --sort          sort the numbers of each line\n"
           "  --powerball     show a PowerBall (not with --show-bonus)\n"
           "  --show-bonus    show a bonus number (not with --powerball)\n"
           "  --drum2 N       numbers drawn from a second drum (EuroMillions' stars, the\n"
           "                  Superzahl), " + limitsText(kDrum2Limits) + "; the balls and these share " +
           std::to_string(kBallSlots) + " slots\n"
           "  --drum2-min N   the second drum's lowest number, " + limitsText(kDrum2LowestLimits) + "\n"
           "  --drum2-max N   the second drum's highest number, " + limitsText(kDrum2HighestLimits) + "\n"
           "Without --drum2 the lottery has no second drum.\n"
           "A name may have up to " + std::to_string(kLongestLotteryName) +
           " characters; it cannot be empty, contain \\ / : * ? \" < > | ]\n"
           "or \"..\", begin or end with a space, or end with a dot.";
}

}  // namespace

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {kLotteriesCommandName, "lotteries", "list the lottery names",
         "Writes the names of the lotteries in the settings file, one a line, in the order\n"
         "of their Game0, Game1, ... entries.",
         runLotteries, CommandAccess::Reads},
        {kShowCommandName, "show LOTTERY", "show a lottery's profile",
         "Writes the lottery's profile as Key=Value lines: Balls, Min, Max, Bonus, Repeat,\n"
         "Sort, PowerBall, ShowBonus, and Drum2, Drum2Min, Drum2Max for a lottery with a\n"
         "second drum. The name must match exactly. A key the lottery's section lacks\n"
         "shows the built-in value (6, 1, 49, 49) or No.",
         runShow, CommandAccess::Reads},
        {kAddCommandName,
         "add LOTTERY --balls N --min N --max N --bonus N [--repeat] [--sort] [--powerball] [--show-bonus] "
         "[--drum2 N --drum2-min N --drum2-max N]",
         "add a lottery or change its profile",
         addHelp(),
         runAdd, CommandAccess::Writes},
        {kDeleteCommandName, "delete LOTTERY", "delete a lottery",
         "Removes the lottery from the list (the lotteries after it move up one place) and\n"
         "deletes its profile. The name must match exactly; the last remaining lottery\n"
         "cannot be deleted. The lottery's draw file and tickets file are kept.",
         runDelete, CommandAccess::Writes},
        {kDrawsCommandName, "draws LOTTERY", "list a lottery's past draws",
         "Writes one line per past draw, oldest first: the date as YYYY-MM-DD, then ball1\n"
         "to ball7 and the bonus as plain numbers, comma separated. The name must match\n"
         "exactly.",
         runDraws, CommandAccess::Reads},
        {kImportCommandName, "import LOTTERY FILE [--dry-run] [--reader lenient|table]",
         "import past draws from a CSV file",
         "A file of only digits, commas, \\ / : . - and line ends is read as the Past Draws\n"
         "window's Import Draws does: one draw per line, numbers and a date among\n"
         "comma-separated fields, the date in this system's date order. Any other file (a\n"
         "lottery's published history: headings, quotes, month names, other separators)\n"
         "is read by the table reader, which finds the date, ball and bonus columns, writes\n"
         "the layout it found and names each line it cannot read on standard error.\n"
         "Each draw is merged into the lottery's draws by date; a line that repeats a draw\n"
         "exactly is skipped, and a line whose date no draw can have is named on standard\n"
         "error. Saves the draws and writes the import's summary. Fails when\n"
         "the file cannot be read or gives no draw, the draw file is damaged or the draws\n"
         "cannot be saved.\n"
         "  --dry-run          save nothing; write the counts and the draws the import\n"
         "                     would add, oldest first, as the draws command writes them\n"
         "  --reader lenient|table   read the file with this reader, whatever it holds",
         runImport, CommandAccess::Writes},
        {kExportCommandName, "export LOTTERY [--with-dates]", "export past draws to a CSV file",
         "Writes the lottery's draws, one line each without dates, to\n"
         "\"\\My Documents\\<lottery> Export.csv\" under the device root (UTF-16LE), and\n"
         "writes that file's path.\n"
         "  --with-dates   write \"\\My Documents\\<lottery> Export with Dates.csv\" instead: a\n"
         "                 heading line, then each draw with its date (YYYY-MM-DD) first\n"
         "                 (plain text), which import reads back with its dates",
         runExport, CommandAccess::Writes},
        {kStatsCommandName, "stats LOTTERY", "count how often each number was drawn",
         "Writes one line per ball number from the lottery's lowest to its highest: the\n"
         "number and how often it was drawn (balls and bonus alike), then \"Records N\" with\n"
         "the number of draws. A lottery with a second drum has \"Second drum\" and one line\n"
         "per number of that drum before it. A lottery without a draw file has no number\n"
         "lines.",
         runStats, CommandAccess::Reads},
        {kPickCommandName,
         "pick LOTTERY [--lines P] [--random] [--model 0|1|2] [--pattern|--no-pattern] [--weight|--no-weight]",
         "make one pick and write its pick-list line",
         "Makes one pick as the main window's Pick does and writes the line as the pick\n"
         "list shows it. The line is analysed from the lottery's past draws when it has at\n"
         "least one, and random (seeded from the clock) otherwise or with --random; it is\n"
         "sorted when the lottery sorts, then gets its bonus; a second drum's numbers follow\n"
         "the balls after \" + \". The name must match exactly.\n"
         "  --lines P         lines in the pick list when the analysis runs (default 1);\n"
         "                    the seed depends on it, so each count gives its own line\n"
         "  --random          a random line, whatever the past draws\n"
         "  --model 0|1|2     forecasting model: 0 Hyper Geometric, 1 Binomial,\n"
         "                    2 Monte Carlo Method\n"
         "  --pattern, --no-pattern   use pattern prediction, or not\n"
         "  --weight, --no-weight     more weight to less frequent balls, or not\n"
         "Options not given keep their stored values. A lottery whose number range is too\n"
         "small for its lines, or for a bonus apart from them, is refused with the reason.\n"
         "The line follows the lottery's pick rules (see rules). With a new line each Pick,\n"
         "an analysed line also differs from the P lines that the window's picks would\n"
         "have made one after another from an empty pick list (at most " + std::to_string(kMostLinesRebuilt) + ").",
         runPick, CommandAccess::Reads},
        {kCheckCommandName, "check LOTTERY [--date YYYY-MM-DD | --all] [LINE...]",
         "check lines against the latest draw, a draw of a date, or every draw",
         "Checks each line against the lottery's latest draw by date (or the draws of the\n"
         "--date day) and writes it with how many main numbers it matched, \"+1\" when its\n"
         "bonus matched too (\"4+1\", \"3\", \"0\"), and the dates its main numbers were\n"
         "ever drawn on. A lottery with a second drum counts its main numbers, then the\n"
         "second drum's (\"5+2\", \"3+1\", \"2+0\"). Of several lines, the one that matched\n"
         "best (most main numbers, then the second drum's, then the bonus; of equal ones\n"
         "the first) follows as \"best: LINE   LABEL\", as Check Picks selects it. A line\n"
         "is written as the pick list writes it (\"03  09  17  23  40  41  - 07\", quoted,\n"
         "a second drum's numbers after \" + \") or as numbers separated by spaces or\n"
         "commas, the numbers past the lottery's balls being the second drum's, then the\n"
         "bonus. Without lines, the picks of the exported picks file are checked.\n"
         "  --date YYYY-MM-DD  the draws of that day instead of the latest\n"
         "  --all              each line's best match over every draw, with its date",
         runCheck, CommandAccess::Reads},
        {kPlayCommandName, "play LOTTERY [--date YYYY-MM-DD] [LINE...]", "play lines as tickets for a draw",
         "Keeps each line as a ticket of the lottery for the draw of a day, numbered on\n"
         "from the highest ticket kept, in the lottery's tickets file. A line is written as\n"
         "for check; without lines, the picks of the exported picks file are played. When\n"
         "the day already has its draw the tickets are checked at once; otherwise each is\n"
         "checked as soon as a draw of its day comes in (import, or Past Draws), and how\n"
         "the day's tickets did is told then.\n"
         "  --date YYYY-MM-DD  the day of the draw (default: the lottery's next draw day by\n"
         "                     the weekdays it usually draws on, or today without draws)",
         runPlay, CommandAccess::Writes},
        {kTicketsCommandName, "tickets LOTTERY [--pending|--checked] [--csv] | tickets LOTTERY --delete N",
         "list a lottery's tickets, or delete one",
         "Writes the lottery's tickets, the latest day first: the ticket's number, the day\n"
         "of its draw, its line as the pick list writes it and its result (\"4+1\": four\n"
         "main numbers and the bonus, \"3\", \"0\"; \"pending\" until its draw comes in).\n"
         "  --pending   only the tickets whose draw has not come in\n"
         "  --checked   only the tickets with a result\n"
         "  --csv       one ticket a line: number,date,numbers,result (empty while pending)\n"
         "  --delete N  deletes ticket N from the tickets file",
         runTickets, CommandAccess::Reads},
        {kTrendsCommandName, "trends LOTTERY [--last N] [--csv]", "count how often each number was drawn lately",
         "For each number: how often it was drawn over the last N draws of the list (default\n"
         "50), the count expected by chance (the balls counted, shared evenly among the\n"
         "numbers) and the draws since it was last drawn (0: in the latest draw, -: never).\n"
         "Main balls, a second drum's numbers and the bonus are counted apart.\n"
         "  --last N   how many of the last draws to count\n"
         "  --csv      comma-separated rows: ball,number,count,expected,since (ball is\n"
         "             main, second or bonus)",
         runTrends, CommandAccess::Reads},
        {kBacktestCommandName,
         "backtest LOTTERY [--last N] [--model 0|1|2] [--pattern|--no-pattern] [--weight|--no-weight]",
         "test analysed picks against the last draws",
         "For each of the last N draws (default 100) that has at least 3 draws before it,\n"
         "makes the analysed pick the main window would make from the draws before it\n"
         "alone, with an empty pick list, and counts the main numbers it matched. Writes\n"
         "how many picks matched 0, 1, 2, ... numbers beside how many random lines would\n"
         "be expected to against the same draws (their exact odds), the bonus apart, and a\n"
         "verdict in plain words. A lottery with a second drum also gets a table of what\n"
         "the picks matched of the main numbers and of the second drum's together (\"5+2\"),\n"
         "beside random lines' exact odds. Progress goes to standard error on long runs.\n"
         "The picks follow the lottery's pick rules, which are named below the heading when\n"
         "any is on.\n"
         "  --model, --pattern, --weight and their opposites as for pick",
         runBacktest, CommandAccess::Reads},
        wheelCommand(),
        {kRulesCommandName, "rules LOTTERY [--fix LIST] [--exclude LIST] [--new-line|--any-line] [--clear]",
         "show or change a lottery's pick rules",
         "Writes the lottery's pick rules as Key=Value lines: Fixed (the numbers every\n"
         "picked line holds), Excluded (the numbers no picked line holds) and NewLine (Yes:\n"
         "a pick never repeats a line of the pick list). Options given change them first,\n"
         "and the rules are stored for the lottery; pick, backtest and the window's Pick\n"
         "follow them. LIST is numbers and runs separated by commas, such as 1-12 or\n"
         "3,7,9-15; an empty LIST (\"\") sets none.\n"
         "  --fix LIST       the fixed numbers, at most one fewer than the balls of a line\n"
         "  --exclude LIST   the excluded numbers; a line's balls must be left\n"
         "  --new-line       a new line each Pick\n"
         "  --any-line       picks may repeat a line (the default)\n"
         "  --clear          every rule off, before the other options\n"
         "Rules a lottery cannot follow (a number out of its range, fixed and excluded at\n"
         "once, too many fixed or too many excluded) are refused with the reason.",
         runRules, CommandAccess::Writes},
        {kOptionsCommandName,
         "options [--model 0|1|2] [--pattern|--no-pattern] [--weight|--no-weight] [--sound|--no-sound] "
         "[--pick-sound PATH] [--start-sound PATH]",
         "show or change the Advanced options",
         "Writes the options of the Advanced window as Key=Value lines: Hyper (the\n"
         "forecasting model), Pattern, Style, Sound, Wav1 (the pick sound) and Wav2 (the\n"
         "start sound). Options given change them first, and all six are stored together,\n"
         "as the Advanced window stores them.\n"
         "  --model 0|1|2               forecasting model: 0 Hyper Geometric, 1 Binomial,\n"
         "                              2 Monte Carlo Method\n"
         "  --pattern, --no-pattern     use pattern prediction, or not\n"
         "  --weight, --no-weight       more weight to less frequent balls, or not\n"
         "  --sound, --no-sound         play sounds, or not\n"
         "  --pick-sound PATH           the sound of each pick\n"
         "  --start-sound PATH          the sound at start\n"
         "A sound's PATH is a device path such as \"\\My Documents\\bell.wav\" or an absolute\n"
         "path on this computer; it is stored as given.",
         runOptions, CommandAccess::Writes},
    };
    return commands;
}

}  // namespace numora
