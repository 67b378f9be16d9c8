#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/LotteryProfile.h"

namespace numora {

class SettingsFile;

// The lottery list ("LotteryList", entries "Game0", "Game1", ...) and one
// section per lottery with its eight profile keys, and the three keys of its
// second drum after them when it has one, in a SettingsFile.

// The names listed, in "Game%d" order, from Game0 up to the first index
// without an entry; entries with an empty value are passed over.
std::vector<std::string> readLotteryList(const SettingsFile& settings);

// Reads the profile of the named lottery into profile: a missing number key
// leaves that value as it was, a missing flag key makes the flag false, and
// missing second drum keys mean no second drum. The name becomes profile.name.
void readLotteryProfile(const SettingsFile& settings, std::string_view name, LotteryProfile& profile);

// The eight keys of a lottery's section in their stored order (Balls, Min,
// Max, Bonus, Repeat, Sort, PowerBall, ShowBonus), then Drum2, Drum2Min and
// Drum2Max for a lottery with a second drum, with their stored texts.
std::vector<std::pair<std::string_view, std::string>> lotteryProfileEntries(const LotteryProfile& profile);

// Writes the keys of profile into its section (a new section receives them in
// the stored order; existing keys keep their places, new ones go after them);
// a lottery without a second drum loses the second drum's keys. Does not save.
void setLotteryProfile(SettingsFile& settings, const LotteryProfile& profile);

// Lists a name at the lowest index whose entry is missing or empty; returns
// that index. Does not save.
int addLotteryName(SettingsFile& settings, std::string_view name);

// The rules of the lottery list that every caller meets, with the texts a
// refused change is told by.
inline constexpr char kPowerBallWithShowBonus[] =
    "PowerBall and ShowBonus exclude each other: a lottery shows a PowerBall or a bonus number.";
inline constexpr char kLastLotteryKept[] = "The last lottery cannot be deleted.";
// A lottery can be deleted only while the list holds at least this many.
inline constexpr std::size_t kFewestLotteriesToDelete = 2;

// What saving a lottery did.
struct LotterySave {
    std::string name;     // the name the profile was written under
    bool saved = false;
    std::string refusal;  // why nothing was written, when the profile breaks a rule
};

// What the profile editor's Save does to the file: a name that is not listed
// in any capitals is listed at the lowest free index and its profile written
// under it; a name listed in other capitals changes that listed lottery, whose
// section is named by the listed spelling (a section named as typed would be
// one that no list entry reaches). Then saves. A profile with both PowerBall
// and ShowBonus, or a second drum with a problem (secondDrumProblem), is
// refused and nothing is written.
LotterySave saveLottery(SettingsFile& settings, LotteryProfile profile);

// What deleting a lottery did.
struct LotteryDeletion {
    bool listed = false;          // its entry was found (exact match)
    bool entryDeleted = false;    // and removed from the list
    bool sectionDeleted = false;  // its section existed and was removed
    bool saved = false;           // the file was saved afterwards
    std::string refusal;          // why a listed lottery was kept
};

// Deletes a lottery: its list entry, matched exactly, and its section. The
// entries after it move down by one, so the list keeps no gap and the
// lotteries listed after it stay visible. Saves when the name was listed;
// a name that is not listed changes nothing, and the last listed lottery is
// refused. The lottery's draw file is not touched: what the user recorded
// outlives its profile.
LotteryDeletion deleteLottery(SettingsFile& settings, std::string_view name);

// The list item to select for the current lottery: an item equal to the name
// wins (exactly, then ignoring case); otherwise the first item that begins
// with the name ignoring case, looking at the second item through the last,
// then at the first. nullopt when nothing matches. Case is ignored for ASCII
// letters.
std::optional<std::size_t> findLotteryInList(const std::vector<std::string>& items, std::string_view name);

// Why a name cannot be a lottery name, or nullopt when it can. A lottery's
// name is a section name, a list value and the stem of its draw file, so it
// must be a file name on every platform and read back unchanged: not empty,
// at most 20 characters, no control characters, none of \ / : * ? " < > |
// nor "]", no "..", no space at either end, no dot at the end, and not a
// device name such as CON or LPT1.
std::optional<std::string> lotteryNameProblem(std::string_view name);
// "A lottery name can have at most 20 characters."
std::string lotteryNameTooLongMessage();

}  // namespace numora
