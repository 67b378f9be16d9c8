#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace numora {

// Cuts an import file into lines, one byte at a time. Every byte other than 0
// becomes one character whose code is the byte's value; zero bytes add
// nothing, so ASCII text and UTF-16LE text of ASCII characters read the same.
// A line is complete as soon as it holds a CR or LF (kept in the line), at the
// end of the file, or when 50 bytes have been read for it, zero bytes and line
// ends included: a longer line comes out as several pieces.
class CsvLineReader {
public:
    static constexpr std::size_t kPieceBytes = 50;

    explicit CsvLineReader(std::istream& in);

    // The next completed line; false once the end of the file has completed
    // the last one. The end of the file always completes a line, an empty one
    // when the file ended just after a line end.
    bool next(std::string& line);
    // Characters (non-zero bytes) read so far.
    std::size_t charactersRead() const { return characters_; }

private:
    std::streambuf* source_;
    std::size_t characters_ = 0;
    bool ended_ = false;
};

}  // namespace numora
