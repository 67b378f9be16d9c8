#include "platform/AppProfile.h"

#include <cstdlib>

namespace numora {

namespace {
std::pair<std::string, std::string> keyOf(std::string_view section, std::string_view key) {
    return {std::string(section), std::string(key)};
}
}  // namespace

bool AppProfile::writeAll(const std::vector<ProfileValue>& values) {
    for (const ProfileValue& stored : values) {
        const auto* text = std::get_if<std::string_view>(&stored.value);
        const bool written = text ? writeText(stored.section, stored.key, *text)
                                  : writeInt(stored.section, stored.key, std::get<int>(stored.value));
        if (!written) return false;
    }
    return true;
}

std::string InMemoryAppProfile::readText(std::string_view section, std::string_view key,
                                         std::string_view fallback) const {
    const auto found = values_.find(keyOf(section, key));
    if (found == values_.end()) return std::string(fallback);
    if (const auto* text = std::get_if<std::string>(&found->second)) return *text;
    return std::to_string(std::get<int>(found->second));
}

int InMemoryAppProfile::readInt(std::string_view section, std::string_view key, int fallback) const {
    const auto found = values_.find(keyOf(section, key));
    if (found == values_.end()) return fallback;
    if (const auto* number = std::get_if<int>(&found->second)) return *number;
    return std::atoi(std::get<std::string>(found->second).c_str());
}

bool InMemoryAppProfile::writeText(std::string_view section, std::string_view key, std::string_view value) {
    values_[keyOf(section, key)] = std::string(value);
    return true;
}

bool InMemoryAppProfile::writeInt(std::string_view section, std::string_view key, int value) {
    values_[keyOf(section, key)] = value;
    return true;
}

bool InMemoryAppProfile::remove(std::string_view section, std::string_view key) {
    values_.erase(keyOf(section, key));
    return true;
}

bool InMemoryAppProfile::contains(std::string_view section, std::string_view key) const {
    return values_.count(keyOf(section, key)) != 0;
}

}  // namespace numora
