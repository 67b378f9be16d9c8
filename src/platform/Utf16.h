#pragma once

#include <string>
#include <string_view>

namespace numora {

// Text is UTF-8 in the program and UTF-16 in some of its files. The
// conversions are lossless both ways: a lone surrogate in UTF-16 text is kept
// as its own three-byte sequence, so a file read and written again comes out
// byte for byte the same. Malformed UTF-8 bytes become U+FFFD.
std::u16string toUtf16(std::string_view utf8);
std::string fromUtf16(std::u16string_view utf16);

}  // namespace numora
