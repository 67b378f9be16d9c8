#include "draws/CsvLineReader.h"

namespace numora {

namespace {

constexpr std::string_view kByteOrderMarks[] = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};

}  // namespace

CsvLineReader::CsvLineReader(std::string_view bytes) : bytes_(bytes) {
    for (const std::string_view mark : kByteOrderMarks) {
        if (bytes_.substr(0, mark.size()) == mark) {
            bytes_.remove_prefix(mark.size());
            break;
        }
    }
}

bool CsvLineReader::lineFeedFollows() const {
    for (std::size_t at = at_; at < bytes_.size(); ++at) {
        if (bytes_[at] != '\0') return bytes_[at] == '\n';
    }
    return false;
}

bool CsvLineReader::next(std::string& line) {
    line.clear();
    if (ended_) return false;
    pieceLine_ = nextLine_;
    pieceStart_ = at_;
    while (line.size() < kPieceCharacters) {
        if (at_ == bytes_.size()) {
            ended_ = true;
            return true;
        }
        const char c = bytes_[at_++];
        if (c == '\0') continue;
        line.push_back(c);
        ++characters_;
        if (c == '\n' || c == '\r') {
            // The CR of a CR LF leaves the line to the LF.
            if (c == '\n' || !lineFeedFollows()) ++nextLine_;
            return true;
        }
    }
    return true;
}

}  // namespace numora
