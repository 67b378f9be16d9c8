#include "settings/ProfileFields.h"

#include <algorithm>
#include <span>

#include "platform/Utf16.h"
#include "settings/BallSlots.h"
#include "settings/LotteryStore.h"

namespace numora {

namespace {

constexpr std::string_view kBoxSeparator = ": ";

std::optional<std::string> nameProblem(std::string_view name, NameCheck check) {
    if (check == NameCheck::UsableName) return lotteryNameProblem(name);
    if (toUtf16(name).size() > kLongestLotteryName) return lotteryNameTooLongMessage();
    return std::nullopt;
}

ProfileFieldProblem outsideLimits(const ProfileNumberField& number, ProfileFieldLimits limits) {
    return {number.field, std::string(number.boxName) + std::string(kBoxSeparator) + profileRangeMessage(limits)};
}

// Takes the typed numbers into profile, field by field; the first that fails
// stops with its box named.
std::optional<ProfileFieldProblem> takeNumbers(std::span<const ProfileNumberField> fields,
                                               std::span<const std::string> texts, LotteryProfile& profile) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string ignored;
        const std::optional<int> value = parseProfileNumber(texts[i], fields[i].limits, ignored);
        if (!value) return outsideLimits(fields[i], fields[i].limits);
        profile.*fields[i].value = *value;
    }
    return std::nullopt;
}

const ProfileNumberField& drum2Field(ProfileField field) {
    return *std::ranges::find(kDrum2NumberFields, field, &ProfileNumberField::field);
}

}  // namespace

bool profileWithinLimits(const LotteryProfile& profile) {
    return std::ranges::all_of(kProfileNumberFields,
                               [&](const ProfileNumberField& number) {
                                   return withinLimits(profile.*number.value, number.limits);
                               }) &&
           !secondDrumProblem(profile);
}

std::optional<ProfileFieldProblem> takeProfileFields(const ProfileFieldTexts& texts, NameCheck check,
                                                     LotteryProfile& profile) {
    if (auto problem = nameProblem(texts.name, check)) return ProfileFieldProblem{ProfileField::Name, *problem};
    LotteryProfile taken = profile;
    taken.name = texts.name;
    if (auto problem = takeNumbers(kProfileNumberFields, texts.numbers, taken)) return problem;
    profile = taken;
    return std::nullopt;
}

std::optional<ProfileFieldProblem> secondDrumProblem(const LotteryProfile& profile) {
    if (!hasSecondDrum(profile)) return std::nullopt;
    for (const ProfileNumberField& number : kDrum2NumberFields) {
        if (!withinLimits(profile.*number.value, number.limits)) return outsideLimits(number, number.limits);
    }
    const int freeSlots = kBallSlots - profile.balls;
    if (freeSlots < kDrum2Limits.lowest) return ProfileFieldProblem{ProfileField::Drum2, kNoSlotForSecondDrum};
    if (profile.drum2 > freeSlots) {
        return outsideLimits(drum2Field(ProfileField::Drum2), {kDrum2Limits.lowest, freeSlots});
    }
    const int fewestHighest = profile.drum2Min + profile.drum2 - 1;
    if (profile.drum2Max < fewestHighest) {
        return outsideLimits(drum2Field(ProfileField::Drum2Highest), {fewestHighest, kDrum2HighestLimits.highest});
    }
    return std::nullopt;
}

std::optional<ProfileFieldProblem> takeDrum2Fields(const Drum2FieldTexts& texts, LotteryProfile& profile) {
    LotteryProfile taken = profile;
    if (auto problem = takeNumbers(kDrum2NumberFields, texts, taken)) return problem;
    if (auto problem = secondDrumProblem(taken)) return problem;
    profile = taken;
    return std::nullopt;
}

}  // namespace numora
