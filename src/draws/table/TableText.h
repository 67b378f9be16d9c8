#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace numora {

// One physical line of a file: its number (from 1) and its text without the line end.
struct TextLine {
    int number = 0;
    std::string_view text;
};

// Cuts text into lines at CR LF, LF or a lone CR. A final line end starts no
// further line.
std::vector<TextLine> splitLines(std::string_view text);

// What separates the fields of a record.
enum class Delimiter { Comma, Semicolon, Tab, Pipe, Spaces };

// In the order that wins when two read a file equally well.
inline constexpr Delimiter kDelimiters[] = {Delimiter::Comma, Delimiter::Semicolon, Delimiter::Tab, Delimiter::Pipe,
                                            Delimiter::Spaces};

// "comma-separated", "separated by runs of spaces"...
const char* delimiterInWords(Delimiter delimiter);

// Cuts a line into fields (cells emptied first). A field that starts with a
// double quote (after spaces) is quoted: two double quotes in it stand for
// one, and delimiters in it do not cut it; a quote left open runs to the end
// of the line. Fields are trimmed of spaces and tabs. With Spaces, every run
// of spaces and tabs separates and the line's own leading and trailing ones
// are not fields. Returns whether any field was quoted.
bool splitFields(std::string_view line, Delimiter delimiter, std::vector<std::string>& cells);

// A line whose first character other than a space is '#'.
bool isCommentLine(std::string_view line);

}  // namespace numora
