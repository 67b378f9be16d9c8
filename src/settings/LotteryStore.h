#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/LotteryProfile.h"

namespace numora {

class SettingsFile;

// The lottery list ("LotteryList", entries "Game0", "Game1", ...) and one
// section per lottery with its eight profile keys, in a SettingsFile.

// The names listed, in "Game%d" order, from Game0 up to the first index
// without an entry; entries with an empty value are passed over.
std::vector<std::string> readLotteryList(const SettingsFile& settings);

// Reads the profile of the named lottery into profile: a missing number key
// leaves that value as it was, a missing flag key makes the flag false. The
// name becomes profile.name.
void readLotteryProfile(const SettingsFile& settings, std::string_view name, LotteryProfile& profile);

// Writes the eight keys of profile into its section (a new section receives
// them in the order Balls, Min, Max, Bonus, Repeat, Sort, PowerBall,
// ShowBonus), then saves the file.
bool writeLotteryProfile(SettingsFile& settings, const LotteryProfile& profile);

// Lists a name at the lowest index whose entry is missing or empty; returns
// that index. Does not save.
int addLotteryName(SettingsFile& settings, std::string_view name);

// Deletes a lottery (its list entry, matched exactly, and its section) and
// moves the entries after it down by one so the list has no gap; saves.
// False when the name is not listed.
bool deleteLottery(SettingsFile& settings, std::string_view name);

// The list item to select for the current lottery: an item equal to the name
// ignoring case wins; otherwise the first item that begins with the name
// (ignoring case), looking at the second item through the last, then at the
// first. nullopt when nothing matches.
std::optional<std::size_t> findLotteryInList(const std::vector<std::string>& items, std::string_view name);

// Why a name cannot be a lottery name (empty, too long, a character that is
// not allowed in a file name on every platform, "]", ".."), or nullopt when
// it can.
std::optional<std::string> lotteryNameProblem(std::string_view name);

}  // namespace numora
