#include "app/FileChooserRules.h"

#include <algorithm>
#include <cstdlib>

#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "platform/Utf16.h"
#include "settings/AsciiCase.h"

namespace numora {

namespace {

constexpr std::uint32_t kKilobyte = 1024;
constexpr std::uint32_t kMegabyte = 1024 * 1024;

// Compares two names ignoring the case of ASCII letters: negative, zero or positive.
int compareIgnoringCase(std::string_view a, std::string_view b) {
    const auto [endA, endB] = std::ranges::mismatch(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
    if (endA == a.end()) return endB == b.end() ? 0 : -1;
    if (endB == b.end()) return 1;
    return static_cast<unsigned char>(asciiLower(*endA)) < static_cast<unsigned char>(asciiLower(*endB)) ? -1 : 1;
}

template <typename T>
int compareValues(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareByColumn(const ListedFile& a, const ListedFile& b, int column) {
    switch (column) {
    case kNameColumn: return compareIgnoringCase(a.name, b.name);
    case kSizeColumn: return compareValues(a.size, b.size);
    case kDateColumn: return compareValues(a.writeSeconds, b.writeSeconds);
    default: return 0;
    }
}

}  // namespace

std::string fileSizeText(std::uint32_t size) {
    if (size > kMegabyte) return std::to_string(size / kMegabyte) + "M";
    if (size > kKilobyte) return std::to_string(size / kKilobyte) + "K";
    return std::to_string(size);
}

bool matchesFileFilter(std::string_view name, std::string_view filter) {
    // The classic wildcard walk: on a mismatch, go back to the last "*" and
    // let it take one more character of the name.
    std::size_t n = 0;
    std::size_t f = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (f < filter.size() && filter[f] == '*') {
            starAt = f++;
            starName = n;
        } else if (f < filter.size() && (filter[f] == '?' || asciiLower(filter[f]) == asciiLower(name[n]))) {
            ++f;
            ++n;
        } else if (starAt != std::string_view::npos) {
            f = starAt + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (f < filter.size() && filter[f] == '*') ++f;
    return f == filter.size();
}

int nextSortKey(int sortKey, int column) { return sortKey == column ? -column : column; }

std::vector<std::size_t> sortedRows(const std::vector<ListedFile>& files, int sortKey) {
    std::vector<std::size_t> rows(files.size());
    for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = row;
    const int column = std::abs(sortKey);
    if (column < kNameColumn || column > kDateColumn) return rows;
    const int direction = sortKey < 0 ? -1 : 1;
    std::ranges::stable_sort(rows, [&](std::size_t a, std::size_t b) {
        return direction * compareByColumn(files[a], files[b], column) < 0;
    });
    return rows;
}

std::string folderPathOf(const std::vector<std::string>& names) {
    std::string path = "\\";
    for (const std::string& name : names) path += name + "\\";
    return path;
}

FileDateText::FileDateText(const LocaleInfo& locale, const LocalTime& time)
    : formatter_(locale), time_(time), picture_(locale.shortDatePicture()) {
    const std::u16string units = toUtf16(picture_);
    if (units.size() > kLongestPicture) picture_ = fromUtf16(units.substr(0, kLongestPicture));
}

std::string FileDateText::operator()(std::int64_t writeSeconds) const {
    return formatter_.format(time_.fromSeconds(clampToDrawSeconds(writeSeconds)), picture_);
}

}  // namespace numora
