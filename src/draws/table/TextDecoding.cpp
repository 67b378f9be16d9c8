#include "draws/table/TextDecoding.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/Utf16.h"

namespace numora {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// UTF-16 without a mark is recognised from its first bytes: text of mostly
// Latin characters has a zero in one half of most code units and almost
// never in the other half.
constexpr std::size_t kSniffedBytes = 4096;
constexpr double kZeroHalfShare = 0.25;
constexpr double kOtherHalfShare = 0.02;
constexpr std::size_t kLeastZeros = 2;

// Windows-1252 for 0x80 to 0x9F; the bytes it leaves undefined read as the
// C1 controls of the same value, as Latin-1 has them.
constexpr std::array<char16_t, 32> kWindows1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool startsWith(std::string_view bytes, std::string_view mark) { return bytes.substr(0, mark.size()) == mark; }

std::string withoutZeros(std::string_view bytes) {
    std::string text(bytes);
    std::erase(text, '\0');
    return text;
}

std::string fromUtf16Bytes(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const auto unit = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
        if (unit != 0) units.push_back(unit);
    }
    return fromUtf16(units);
}

// The length of the UTF-8 sequence that starts at text[i], or 0 when the
// bytes there are not one (overlong forms and surrogates included).
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1Fu, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0Fu, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07u, smallest = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < smallest || code > 0x10FFFF || surrogate ? 0 : length;
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string fromWindows1252(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        units.push_back(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80u] : char16_t{byte});
    }
    return fromUtf16(units);
}

// Which half of the code units holds the zeros of unmarked UTF-16, if any.
std::optional<TextEncoding> unmarkedUtf16(std::string_view bytes) {
    const std::string_view sniffed = bytes.substr(0, std::min(bytes.size(), kSniffedBytes) & ~std::size_t{1});
    if (sniffed.empty()) return std::nullopt;
    std::size_t evenZeros = 0;
    std::size_t oddZeros = 0;
    for (std::size_t i = 0; i < sniffed.size(); i += 2) {
        evenZeros += sniffed[i] == '\0' ? 1 : 0;
        oddZeros += sniffed[i + 1] == '\0' ? 1 : 0;
    }
    const double units = static_cast<double>(sniffed.size() / 2);
    const auto dominant = [&](std::size_t zeros, std::size_t others) {
        return zeros >= kLeastZeros && static_cast<double>(zeros) >= kZeroHalfShare * units &&
               static_cast<double>(others) <= kOtherHalfShare * units;
    };
    if (dominant(oddZeros, evenZeros)) return TextEncoding::Utf16Le;
    if (dominant(evenZeros, oddZeros)) return TextEncoding::Utf16Be;
    return std::nullopt;
}

}  // namespace

DecodedText decodeText(std::string_view bytes) {
    DecodedText decoded;
    if (startsWith(bytes, kUtf8Mark)) {
        decoded.byteOrderMark = true;
        bytes.remove_prefix(kUtf8Mark.size());
    } else if (startsWith(bytes, kUtf16LeMark) || startsWith(bytes, kUtf16BeMark)) {
        decoded.byteOrderMark = true;
        decoded.encoding = startsWith(bytes, kUtf16LeMark) ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
        bytes.remove_prefix(kUtf16LeMark.size());
    } else if (const auto utf16 = unmarkedUtf16(bytes)) {
        decoded.encoding = *utf16;
    }

    if (decoded.encoding == TextEncoding::Utf16Le || decoded.encoding == TextEncoding::Utf16Be) {
        decoded.text = fromUtf16Bytes(bytes, decoded.encoding == TextEncoding::Utf16Be);
        return decoded;
    }
    std::string text = withoutZeros(bytes);
    if (decoded.byteOrderMark || isUtf8(text)) {
        decoded.text = decoded.byteOrderMark ? fromUtf16(toUtf16(text)) : std::move(text);
        return decoded;
    }
    decoded.encoding = TextEncoding::EightBit;
    decoded.text = fromWindows1252(text);
    return decoded;
}

std::string encodingInWords(const DecodedText& decoded) {
    std::string words;
    switch (decoded.encoding) {
        case TextEncoding::Utf8:
            words = "UTF-8";
            break;
        case TextEncoding::Utf16Le:
            words = "UTF-16 little-endian";
            break;
        case TextEncoding::Utf16Be:
            words = "UTF-16 big-endian";
            break;
        case TextEncoding::EightBit:
            words = "8-bit text (not UTF-8)";
            break;
    }
    if (decoded.byteOrderMark) words += " with byte-order mark";
    return words;
}

}  // namespace numora
