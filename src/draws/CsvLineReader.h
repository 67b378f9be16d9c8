#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace numora {

// Cuts an import file into lines, one byte at a time. Every byte other than 0
// becomes one character whose code is the byte's value; zero bytes add
// nothing, so ASCII text and UTF-16 text of ASCII characters read the same. A
// byte-order mark at the start of the file (UTF-8 or UTF-16) is no text.
// A line is complete as soon as it holds a CR or LF (kept in the line), at the
// end of the file, or when it holds 50 characters: a longer line comes out as
// several pieces. Zero bytes add no character and count toward no piece, so a
// UTF-16 line is cut where its 8-bit twin is.
class CsvLineReader {
public:
    static constexpr std::size_t kPieceCharacters = 50;

    explicit CsvLineReader(std::string_view bytes);

    // The next completed line; false once the end of the file has completed
    // the last one. The end of the file always completes a line, an empty one
    // when the file ended just after a line end.
    bool next(std::string& line);
    // Characters (non-zero bytes) read so far.
    std::size_t charactersRead() const { return characters_; }
    // The line of the file, from 1, that the last piece came from (CR LF,
    // LF and a lone CR each end a line).
    int lineNumber() const { return pieceLine_; }
    // The bytes the last piece was read from, zero bytes included.
    std::string_view pieceBytes() const { return bytes_.substr(pieceStart_, at_ - pieceStart_); }

private:
    bool lineFeedFollows() const;

    std::string_view bytes_;
    std::size_t at_ = 0;
    std::size_t pieceStart_ = 0;
    std::size_t characters_ = 0;
    int pieceLine_ = 0;
    int nextLine_ = 1;
    bool ended_ = false;
};

}  // namespace numora
