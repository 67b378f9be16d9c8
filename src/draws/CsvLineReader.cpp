#include "draws/CsvLineReader.h"

namespace numora {

CsvLineReader::CsvLineReader(std::istream& in) : source_(in.rdbuf()) {}

bool CsvLineReader::next(std::string& line) {
    line.clear();
    if (ended_) return false;
    for (std::size_t bytes = 0; bytes < kPieceBytes; ++bytes) {
        const auto value = source_->sbumpc();
        if (value == std::char_traits<char>::eof()) {
            ended_ = true;
            return true;
        }
        if (value == 0) continue;
        const char c = std::char_traits<char>::to_char_type(value);
        line.push_back(c);
        ++characters_;
        if (c == '\n' || c == '\r') return true;
    }
    return true;
}

}  // namespace numora
