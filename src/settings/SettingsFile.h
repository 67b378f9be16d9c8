#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// One section of the settings file: entries in the order they came into being.
// Names and values are UTF-8 in memory, UTF-16 in the file; lookups compare
// exactly (case-sensitive).
class SettingsSection {
public:
    virtual ~SettingsSection() = default;

    const std::vector<std::string>& keys() const { return keyOrder_; }
    const std::string* find(std::string_view key) const;
    // A new key goes to the end of the order; an existing one keeps its place.
    void set(std::string_view key, std::string_view value);
    bool remove(std::string_view key);

private:
    std::vector<std::string> keyOrder_;
    std::map<std::string, std::string, std::less<>> values_;
};

// The program's INI-format settings file held in memory: sections of text
// entries in first-seen order. The file is UTF-16LE with the FF FE mark and
// CR LF line ends:
//
//   FF FE, then for each section:  CR LF "[" name "]" CR LF
//                                  then key "=" value CR LF for each entry
//
// A file without the mark is read as UTF-16 when it has zero bytes (the byte
// order told by where they stand, or by the mark FE FF), otherwise as UTF-8
// text, or as Latin-1 when it is not valid UTF-8; it is written back with the
// mark. A zero code unit ends the text. UTF-16 of an odd number of bytes was
// cut short and is not read.
//
// No operation shows a message or throws; results are true when done. A store
// that has a file name saves itself to it when destroyed.
class SettingsFile {
public:
    SettingsFile() = default;
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;
    virtual ~SettingsFile();

    void Clear();
    // Replaces the store with the file's contents and remembers the name. A
    // missing file gives false and an empty store that still remembers the
    // name. A file that is there but cannot be read whole (not a regular file,
    // larger than 16 MB, zero bytes that are not UTF-16 text, UTF-16 cut
    // short) gives false and an empty store without a name, so nothing is
    // saved over it until the file is mended or removed.
    bool Load(const std::filesystem::path& fileName);
    // Saves to the given name (which then becomes the remembered one), or to
    // the remembered name when none is given; false without a name. The file
    // is replaced as a whole: a failed save leaves the old file as it was.
    bool Save(const std::optional<std::filesystem::path>& fileName = std::nullopt);

    bool GetString(std::string_view section, std::string_view key, std::string& out) const;
    // The value read like the C runtime's _wtol: leading white space, an
    // optional sign, decimal digits up to the first other character; no digits
    // give 0 and a number beyond the int range gives the nearest end.
    bool GetInt(std::string_view section, std::string_view key, int& out) const;
    bool SetString(std::string_view section, std::string_view key, std::string_view value);
    // Decimal digits without leading zeros; a negative value gets a minus sign,
    // so GetInt reads back what was set.
    bool SetInt(std::string_view section, std::string_view key, int value);
    // Removes one entry, or the whole section when no key is given.
    bool Delete(std::string_view section, std::optional<std::string_view> key = std::nullopt);

    const std::filesystem::path& fileName() const { return fileName_; }
    // Why the last Load, Save or parse failed, in words that follow a colon
    // ("it is a folder, not a file"); empty when there is nothing to tell.
    const std::string& failure() const { return failure_; }
    const std::vector<std::string>& sections() const { return sectionOrder_; }
    const SettingsSection* section(std::string_view name) const;

    // The file's bytes for the store, and the store for a file's bytes (the
    // file name is kept); false, with an empty store, for bytes whose text
    // cannot be decoded whole.
    std::string serialize() const;
    bool parse(std::string_view bytes);

private:
    SettingsSection& sectionNamed(std::string_view name);

    std::filesystem::path fileName_;
    std::string failure_;
    std::vector<std::string> sectionOrder_;
    std::map<std::string, SettingsSection, std::less<>> sections_;
};

}  // namespace numora
