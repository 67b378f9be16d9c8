#include "settings/ProfileFields.h"

#include <algorithm>

#include "platform/Utf16.h"
#include "settings/LotteryStore.h"

namespace numora {

namespace {

constexpr std::string_view kBoxSeparator = ": ";

std::optional<std::string> nameProblem(std::string_view name, NameCheck check) {
    if (check == NameCheck::UsableName) return lotteryNameProblem(name);
    if (toUtf16(name).size() > kLongestLotteryName) return lotteryNameTooLongMessage();
    return std::nullopt;
}

}  // namespace

bool profileWithinLimits(const LotteryProfile& profile) {
    return std::ranges::all_of(kProfileNumberFields, [&](const ProfileNumberField& number) {
        return withinLimits(profile.*number.value, number.limits);
    });
}

std::optional<ProfileFieldProblem> takeProfileFields(const ProfileFieldTexts& texts, NameCheck check,
                                                     LotteryProfile& profile) {
    if (auto problem = nameProblem(texts.name, check)) return ProfileFieldProblem{ProfileField::Name, *problem};
    LotteryProfile taken = profile;
    taken.name = texts.name;
    for (std::size_t i = 0; i < kProfileNumberFields.size(); ++i) {
        const ProfileNumberField& number = kProfileNumberFields[i];
        std::string ignored;
        const std::optional<int> value = parseProfileNumber(texts.numbers[i], number.limits, ignored);
        if (!value) {
            return ProfileFieldProblem{number.field,
                                       std::string(number.boxName) + std::string(kBoxSeparator) +
                                           profileRangeMessage(number.limits)};
        }
        taken.*number.value = *value;
    }
    profile = taken;
    return std::nullopt;
}

}  // namespace numora
