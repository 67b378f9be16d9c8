#include "settings/LotteryStore.h"

#include <algorithm>
#include <array>

#include "platform/FormatText.h"
#include "settings/AsciiCase.h"
#include "settings/BallSlots.h"
#include "settings/LotteryKeys.h"
#include "settings/ProfileFields.h"
#include "settings/SettingsFile.h"

namespace numora {

namespace {

struct NumberKey {
    std::string_view key;
    int LotteryProfile::*field;
};

struct FlagKey {
    std::string_view key;
    bool LotteryProfile::*field;
};

// The eight keys of a lottery's section, numbers first, in their stored order.
constexpr std::array kNumberKeys{
    NumberKey{kBallsKey, &LotteryProfile::balls},
    NumberKey{kLowestBallKey, &LotteryProfile::min},
    NumberKey{kHighestBallKey, &LotteryProfile::max},
    NumberKey{kHighestBonusKey, &LotteryProfile::bonus},
};
constexpr std::array kFlagKeys{
    FlagKey{kRepeatKey, &LotteryProfile::repeat},
    FlagKey{kSortKey, &LotteryProfile::sort},
    FlagKey{kPowerBallKey, &LotteryProfile::powerBall},
    FlagKey{kShowBonusKey, &LotteryProfile::showBonus},
};
// The second drum's keys, after the eight, only for a lottery that has one.
constexpr std::array kDrum2Keys{
    NumberKey{kDrum2Key, &LotteryProfile::drum2},
    NumberKey{kDrum2LowestKey, &LotteryProfile::drum2Min},
    NumberKey{kDrum2HighestKey, &LotteryProfile::drum2Max},
};

std::string listKey(int index) { return formatText(kLotteryListKeyFormat, index); }

// The index whose entry holds exactly this name, looking from Game0 up to the
// first missing entry.
std::optional<int> listedIndex(const SettingsFile& settings, std::string_view name) {
    std::string value;
    for (int index = 0; settings.GetString(kLotteryListSection, listKey(index), value); ++index) {
        if (value == name) return index;
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> readLotteryList(const SettingsFile& settings) {
    std::vector<std::string> names;
    std::string name;
    for (int index = 0; settings.GetString(kLotteryListSection, listKey(index), name); ++index) {
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

void readLotteryProfile(const SettingsFile& settings, std::string_view name, LotteryProfile& profile) {
    for (const NumberKey& number : kNumberKeys) settings.GetInt(name, number.key, profile.*number.field);
    for (const FlagKey& flag : kFlagKeys) {
        std::string text;
        profile.*flag.field = settings.GetString(name, flag.key, text) && text.find(kYesText) != std::string::npos;
    }
    // A lottery without the keys has no second drum, whatever the previous one had.
    const LotteryProfile none;
    for (const NumberKey& number : kDrum2Keys) {
        profile.*number.field = none.*number.field;
        settings.GetInt(name, number.key, profile.*number.field);
    }
    profile.name = name;
}

std::vector<std::pair<std::string_view, std::string>> lotteryProfileEntries(const LotteryProfile& profile) {
    std::vector<std::pair<std::string_view, std::string>> entries;
    for (const NumberKey& number : kNumberKeys) entries.emplace_back(number.key, std::to_string(profile.*number.field));
    for (const FlagKey& flag : kFlagKeys) {
        entries.emplace_back(flag.key, profile.*flag.field ? kYesText : kNoText);
    }
    if (hasSecondDrum(profile)) {
        for (const NumberKey& number : kDrum2Keys) {
            entries.emplace_back(number.key, std::to_string(profile.*number.field));
        }
    }
    return entries;
}

void setLotteryProfile(SettingsFile& settings, const LotteryProfile& profile) {
    for (const auto& [key, value] : lotteryProfileEntries(profile)) settings.SetString(profile.name, key, value);
    if (hasSecondDrum(profile)) return;
    for (const NumberKey& number : kDrum2Keys) settings.Delete(profile.name, number.key);
}

int addLotteryName(SettingsFile& settings, std::string_view name) {
    int index = 0;
    std::string value;
    while (settings.GetString(kLotteryListSection, listKey(index), value) && !value.empty()) ++index;
    settings.SetString(kLotteryListSection, listKey(index), name);
    return index;
}

LotterySave saveLottery(SettingsFile& settings, LotteryProfile profile) {
    if (profile.powerBall && profile.showBonus) return {profile.name, false, kPowerBallWithShowBonus};
    if (const auto problem = secondDrumProblem(profile)) return {profile.name, false, problem->message};
    const std::vector<std::string> listed = readLotteryList(settings);
    const auto spelling = [&](auto matches) { return std::ranges::find_if(listed, matches); };
    auto found = spelling([&](const std::string& item) { return item == profile.name; });
    if (found == listed.end()) {
        found = spelling([&](const std::string& item) { return equalsIgnoringCase(item, profile.name); });
    }
    if (found == listed.end()) {
        addLotteryName(settings, profile.name);
    } else {
        profile.name = *found;
    }
    setLotteryProfile(settings, profile);
    return {profile.name, settings.Save(), {}};
}

LotteryDeletion deleteLottery(SettingsFile& settings, std::string_view name) {
    LotteryDeletion deletion;
    const std::optional<int> index = listedIndex(settings, name);
    if (!index) return deletion;
    deletion.listed = true;
    if (readLotteryList(settings).size() < kFewestLotteriesToDelete) {
        deletion.refusal = kLastLotteryKept;
        return deletion;
    }
    int last = *index;
    std::string next;
    while (settings.GetString(kLotteryListSection, listKey(last + 1), next)) {
        settings.SetString(kLotteryListSection, listKey(last), next);
        ++last;
    }
    deletion.entryDeleted = settings.Delete(kLotteryListSection, listKey(last));
    deletion.sectionDeleted = settings.Delete(name);
    deletion.saved = settings.Save();
    return deletion;
}

std::optional<std::size_t> findLotteryInList(const std::vector<std::string>& items, std::string_view name) {
    const auto indexWhere = [&](auto matches) -> std::optional<std::size_t> {
        const auto found = std::ranges::find_if(items, matches);
        if (found == items.end()) return std::nullopt;
        return static_cast<std::size_t>(found - items.begin());
    };
    if (auto exact = indexWhere([&](const std::string& item) { return item == name; })) return exact;
    if (auto equal = indexWhere([&](const std::string& item) { return equalsIgnoringCase(item, name); })) {
        return equal;
    }
    for (std::size_t step = 1; step <= items.size(); ++step) {
        const std::size_t index = step % items.size();
        if (startsWithIgnoringCase(items[index], name)) return index;
    }
    return std::nullopt;
}

}  // namespace numora
