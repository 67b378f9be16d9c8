#pragma once

#include <string>
#include <string_view>

namespace numora {

// How the bytes of an imported table file are text.
enum class TextEncoding {
    Utf8,      // UTF-8, plain ASCII included
    Utf16Le,   // UTF-16 little-endian
    Utf16Be,   // UTF-16 big-endian
    EightBit,  // 8-bit text that is not UTF-8, read as Windows-1252
};

struct DecodedText {
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    std::string text;  // UTF-8, without the mark and without zero characters
};

// Finds the encoding (a byte-order mark first, then zero bytes in every
// other place for UTF-16 without a mark, then whether the bytes are valid
// UTF-8) and decodes the text. Never fails: a byte that fits no encoding
// becomes U+FFFD or its Windows-1252 character.
DecodedText decodeText(std::string_view bytes);

// "UTF-8", "UTF-16 little-endian with byte-order mark", "8-bit text (not UTF-8)"...
std::string encodingInWords(const DecodedText& decoded);

}  // namespace numora
