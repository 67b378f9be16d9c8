#include "settings/SettingsFile.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/AtomicFile.h"
#include "platform/WholeFile.h"

namespace numora {

namespace {

// A settings file holds a few lotteries; a larger file is taken for something else.
constexpr std::uint64_t kLargestFile = std::uint64_t{16} << 20;

bool isWideSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The C runtime's _wtol on the value's text, held to the int range.
int textToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isWideSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long magnitude = 0;
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
    }
    const long long value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

const std::string* SettingsSection::find(std::string_view key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? nullptr : &found->second;
}

void SettingsSection::set(std::string_view key, std::string_view value) {
    const auto found = values_.find(key);
    if (found != values_.end()) {
        found->second = value;
        return;
    }
    keyOrder_.emplace_back(key);
    values_.emplace(std::string(key), std::string(value));
}

bool SettingsSection::remove(std::string_view key) {
    const auto found = values_.find(key);
    if (found == values_.end()) return false;
    values_.erase(found);
    keyOrder_.erase(std::find(keyOrder_.begin(), keyOrder_.end(), key));
    return true;
}

SettingsFile::~SettingsFile() {
    if (!fileName_.empty()) Save();
}

void SettingsFile::Clear() {
    fileName_.clear();
    failure_.clear();
    sectionOrder_.clear();
    sections_.clear();
}

bool SettingsFile::Load(const std::filesystem::path& fileName) {
    Clear();
    fileName_ = fileName;
    const WholeFile file = readWholeFile(fileName, kLargestFile);
    failure_ = file.cause;
    if (file.read() && parse(file.bytes)) return true;
    // A missing file is created by the next save. A file that is there but
    // cannot be read, or whose text cannot be decoded, is not taken as the
    // place to save to: writing this empty store over it would lose the
    // user's lotteries.
    if (file.status != WholeFileStatus::Missing) fileName_.clear();
    return false;
}

bool SettingsFile::Save(const std::optional<std::filesystem::path>& fileName) {
    if (fileName) fileName_ = *fileName;
    if (fileName_.empty()) return false;
    const FileWriteResult written = writeFileAtomically(fileName_, serialize());
    failure_ = written.cause;
    return written.ok;
}

bool SettingsFile::GetString(std::string_view section, std::string_view key, std::string& out) const {
    const SettingsSection* found = this->section(section);
    const std::string* value = found ? found->find(key) : nullptr;
    if (!value) return false;
    out = *value;
    return true;
}

bool SettingsFile::GetInt(std::string_view section, std::string_view key, int& out) const {
    std::string text;
    if (!GetString(section, key, text)) return false;
    out = textToInt(text);
    return true;
}

bool SettingsFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    sectionNamed(section).set(key, value);
    return true;
}

bool SettingsFile::SetInt(std::string_view section, std::string_view key, int value) {
    return SetString(section, key, std::to_string(value));
}

bool SettingsFile::Delete(std::string_view section, std::optional<std::string_view> key) {
    const auto found = sections_.find(section);
    if (found == sections_.end()) return false;
    if (key) return found->second.remove(*key);
    sections_.erase(found);
    sectionOrder_.erase(std::find(sectionOrder_.begin(), sectionOrder_.end(), section));
    return true;
}

const SettingsSection* SettingsFile::section(std::string_view name) const {
    const auto found = sections_.find(name);
    return found == sections_.end() ? nullptr : &found->second;
}

SettingsSection& SettingsFile::sectionNamed(std::string_view name) {
    const auto found = sections_.find(name);
    if (found != sections_.end()) return found->second;
    sectionOrder_.emplace_back(name);
    return sections_.try_emplace(std::string(name)).first->second;
}

}  // namespace numora
