#include "draws/table/TableText.h"

namespace numora {

namespace {

constexpr char kQuote = '"';
constexpr char kComment = '#';

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char delimiterCharacter(Delimiter delimiter) {
    switch (delimiter) {
        case Delimiter::Comma:
            return ',';
        case Delimiter::Semicolon:
            return ';';
        case Delimiter::Tab:
            return '\t';
        case Delimiter::Pipe:
            return '|';
        case Delimiter::Spaces:
            break;
    }
    return ' ';
}

bool endsField(char c, Delimiter delimiter) {
    return delimiter == Delimiter::Spaces ? isBlank(c) : c == delimiterCharacter(delimiter);
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::size_t skipBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && isBlank(line[at])) ++at;
    return at;
}

// Reads the quoted field that opens at line[at] into cell; returns the
// position just after its closing quote (or the line's end).
std::size_t readQuoted(std::string_view line, std::size_t at, std::string& cell) {
    for (++at; at < line.size(); ++at) {
        if (line[at] != kQuote) {
            cell.push_back(line[at]);
        } else if (at + 1 < line.size() && line[at + 1] == kQuote) {
            cell.push_back(kQuote);
            ++at;
        } else {
            return at + 1;
        }
    }
    return at;
}

}  // namespace

std::vector<TextLine> splitLines(std::string_view text) {
    std::vector<TextLine> lines;
    int number = 1;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        lines.push_back({number++, text.substr(start, end == std::string_view::npos ? end : end - start)});
        if (end == std::string_view::npos) break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

const char* delimiterInWords(Delimiter delimiter) {
    switch (delimiter) {
        case Delimiter::Comma:
            return "comma-separated";
        case Delimiter::Semicolon:
            return "semicolon-separated";
        case Delimiter::Tab:
            return "tab-separated";
        case Delimiter::Pipe:
            return "separated by |";
        case Delimiter::Spaces:
            break;
    }
    return "separated by spaces";
}

bool splitFields(std::string_view line, Delimiter delimiter, std::vector<std::string>& cells) {
    cells.clear();
    bool quoted = false;
    std::size_t at = 0;
    if (delimiter == Delimiter::Spaces) {
        line = trimmed(line);
        if (line.empty()) return false;
    }
    while (true) {
        std::string cell;
        const std::size_t start = skipBlanks(line, at);
        const bool opensQuote = start < line.size() && line[start] == kQuote;
        const std::size_t rest = opensQuote ? readQuoted(line, start, cell) : start;
        std::size_t end = rest;
        while (end < line.size() && !endsField(line[end], delimiter)) ++end;
        cell += trimmed(line.substr(rest, end - rest));
        quoted = quoted || opensQuote;
        cells.push_back(std::move(cell));
        if (end >= line.size()) break;
        at = delimiter == Delimiter::Spaces ? skipBlanks(line, end) : end + 1;
    }
    return quoted;
}

bool isCommentLine(std::string_view line) {
    const std::size_t first = skipBlanks(line, 0);
    return first < line.size() && line[first] == kComment;
}

}  // namespace numora
