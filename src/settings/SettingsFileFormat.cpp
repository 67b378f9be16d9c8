// The settings file's bytes: how a store is written and how a file is read.
//
//   FF FE                                  byte-order mark (UTF-16LE)
//   CR LF "[" section "]" CR LF            once per section, in first-seen order
//   key "=" value CR LF                    once per entry, in first-seen order
//
// Reading is the state machine below; it accepts more than the writer makes
// (blank lines, spaces around "=", a last line without its line end), and
// reads UTF-16 of either byte order with or without its mark, and 8-bit text.
// A zero code unit ends the text. UTF-16 bytes of an odd number are a file cut
// short, not whole text: they are not read at all, so that the store is never
// saved over what was cut.

#include <algorithm>
#include <optional>
#include <string>

#include "platform/Utf16.h"
#include "settings/SettingsFile.h"

namespace numora {

namespace {

constexpr unsigned char kMarkFirstByte = 0xFF;
constexpr unsigned char kMarkSecondByte = 0xFE;
constexpr char16_t kSectionOpen = u'[';
constexpr char16_t kSectionClose = u']';
constexpr char16_t kEquals = u'=';
constexpr char16_t kCarriageReturn = u'\r';
constexpr char16_t kLineFeed = u'\n';
constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr char kCutShort[] = "it is cut short: its UTF-16 text ends in half a character";
constexpr char kNotText[] = "its bytes are not text";

void appendLittleEndian(std::string& bytes, std::u16string_view text) {
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
}

enum class ByteOrder { LittleEndian, BigEndian };

bool startsWith(std::string_view bytes, unsigned char first, unsigned char second) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == first &&
           static_cast<unsigned char>(bytes[1]) == second;
}

// The code units of UTF-16 bytes up to the first zero unit, which ends the
// text.
std::u16string unitsOf(std::string_view bytes, ByteOrder order) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const auto unit = static_cast<char16_t>(order == ByteOrder::LittleEndian ? first | (second << 8)
                                                                                  : (first << 8) | second);
        if (unit == 0) break;
        units.push_back(unit);
    }
    return units;
}

// The byte order of UTF-16 text without a mark, told by its zero bytes: the
// keys, headers and numbers of a settings file are ASCII, whose characters
// have a zero high byte. nullopt when the zero bytes show no clear order (in
// at least a quarter of the units before the text ends).
std::optional<ByteOrder> orderByZeroBytes(std::string_view bytes) {
    constexpr std::size_t kShareOfAsciiUnits = 4;
    std::size_t units = 0;
    std::size_t highByteLast = 0;
    std::size_t highByteFirst = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const bool firstZero = bytes[i] == '\0';
        const bool secondZero = bytes[i + 1] == '\0';
        if (firstZero && secondZero) break;
        ++units;
        highByteLast += secondZero ? 1 : 0;
        highByteFirst += firstZero ? 1 : 0;
    }
    const std::size_t most = std::max(highByteLast, highByteFirst);
    if (highByteLast == highByteFirst || most * kShareOfAsciiUnits < units) return std::nullopt;
    return highByteLast > highByteFirst ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
}

// A file without the mark: UTF-8 when its bytes are valid UTF-8, otherwise
// one character per byte (Latin-1).
std::u16string unitsOfEightBitText(std::string_view bytes) {
    std::u16string units = toUtf16(bytes);
    if (fromUtf16(units) == bytes) return units;
    units.assign(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) units[i] = static_cast<unsigned char>(bytes[i]);
    return units;
}

// The text of a settings file's bytes; nullopt, with the words for why, when
// it cannot be decoded whole.
std::optional<std::u16string> decodedText(std::string_view bytes, const char*& problem) {
    constexpr std::size_t kMarkBytes = 2;
    std::optional<ByteOrder> order;
    std::size_t textStart = kMarkBytes;
    if (startsWith(bytes, kMarkFirstByte, kMarkSecondByte)) {
        order = ByteOrder::LittleEndian;
    } else if (startsWith(bytes, kMarkSecondByte, kMarkFirstByte)) {
        order = ByteOrder::BigEndian;
    } else if (bytes.find('\0') == std::string_view::npos) {
        return unitsOfEightBitText(bytes);
    } else {
        order = orderByZeroBytes(bytes);
        textStart = 0;
    }
    if (!order) {
        problem = kNotText;
        return std::nullopt;
    }
    if (bytes.size() % 2 != 0) {
        problem = kCutShort;
        return std::nullopt;
    }
    return unitsOf(bytes.substr(textStart), *order);
}

bool isAsciiLetterOrDigit(char16_t unit) {
    return (unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9');
}

bool isLineEnd(char16_t unit) { return unit == kCarriageReturn || unit == kLineFeed; }

enum class ReadState { BeforeSection, SectionName, BetweenEntries, Key, AfterEquals, Value };

}  // namespace

std::string SettingsFile::serialize() const {
    std::string bytes{static_cast<char>(kMarkFirstByte), static_cast<char>(kMarkSecondByte)};
    std::u16string line;
    for (const std::string& name : sectionOrder_) {
        line.assign(kLineEnd);
        line += kSectionOpen;
        line += toUtf16(name);
        line += kSectionClose;
        line += kLineEnd;
        appendLittleEndian(bytes, line);
        const SettingsSection& entries = sections_.at(name);
        for (const std::string& key : entries.keys()) {
            line = toUtf16(key);
            line += kEquals;
            line += toUtf16(*entries.find(key));
            line += kLineEnd;
            appendLittleEndian(bytes, line);
        }
    }
    return bytes;
}

bool SettingsFile::parse(std::string_view bytes) {
    sectionOrder_.clear();
    sections_.clear();
    failure_.clear();
    const char* problem = nullptr;
    const auto text = decodedText(bytes, problem);
    if (!text) {
        failure_ = problem;
        return false;
    }
    const std::u16string_view view(*text);

    ReadState state = ReadState::BeforeSection;
    SettingsSection* current = nullptr;
    std::size_t start = 0;  // first code unit of the name, key or value being read
    std::u16string_view key;
    const auto store = [&](std::u16string_view value) { current->set(fromUtf16(key), fromUtf16(value)); };

    for (std::size_t i = 0; i < view.size(); ++i) {
        const char16_t unit = view[i];
        switch (state) {
        case ReadState::BeforeSection:
        case ReadState::BetweenEntries:
            if (unit == kSectionOpen) {
                state = ReadState::SectionName;
                start = i + 1;
            } else if (state == ReadState::BetweenEntries && isAsciiLetterOrDigit(unit)) {
                state = ReadState::Key;
                start = i;
            }
            break;
        case ReadState::SectionName:
            if (unit == kSectionClose) {
                current = &sectionNamed(fromUtf16(view.substr(start, i - start)));
                state = ReadState::BetweenEntries;
            }
            break;
        case ReadState::Key:
            if (unit == kEquals) {
                key = view.substr(start, i - start);
                state = ReadState::AfterEquals;
            }
            break;
        case ReadState::AfterEquals:
            if (isLineEnd(unit)) {
                store({});
                state = ReadState::BetweenEntries;
            } else if (unit != u' ' && unit != u'\t') {
                state = ReadState::Value;
                start = i;
            }
            break;
        case ReadState::Value:
            if (isLineEnd(unit)) {
                store(view.substr(start, i - start));
                state = ReadState::BetweenEntries;
            }
            break;
        }
    }
    if (state == ReadState::Value) store(view.substr(start));
    return true;
}

}  // namespace numora
