#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "draws/DatePictureFormatter.h"

namespace numora {

class LocaleInfo;
class LocalTime;

// One file row of the file chooser: what the folder listing gave for it.
struct ListedFile {
    std::string name;
    std::uint32_t size = 0;        // the low 32 bits of the file's size
    std::int64_t writeSeconds = 0;  // last write, seconds since 1970 (UTC)

    friend bool operator==(const ListedFile&, const ListedFile&) = default;
};

// The file list's columns, as sort keys count them: +c sorts ascending by
// column c, -c descending.
inline constexpr int kNameColumn = 1;
inline constexpr int kSizeColumn = 2;
inline constexpr int kDateColumn = 3;
inline constexpr int kFirstSortKey = kNameColumn;

// The "Size" text: whole megabytes ("1M") above 1048576 bytes, whole kilobytes
// ("1K") above 1024, otherwise bytes ("1024").
std::string fileSizeText(std::uint32_t size);

// Whether a file name matches a filter such as "*.wav": "*" stands for any
// run of characters, "?" for one; letters match in either case.
bool matchesFileFilter(std::string_view name, std::string_view filter);

// The sort key after a tap on a column's header: the same column again
// reverses the order, another column starts ascending.
int nextSortKey(int sortKey, int column);

// The rows' positions in the order of the key: names ignoring case, sizes, or
// write times, with no second key (rows that compare equal keep their order).
// Any other key leaves the rows as they are.
std::vector<std::size_t> sortedRows(const std::vector<ListedFile>& files, int sortKey);

// The chooser's folder path of a tree item: the names from the root's child
// down to the item, each followed by "\", after a leading "\". The root is "\".
std::string folderPathOf(const std::vector<std::string>& names);

// The "Date" text of a file: its last write as a local date, written by the
// locale's short-date picture (at most 63 characters of it).
class FileDateText {
public:
    static constexpr std::size_t kLongestPicture = 63;

    FileDateText(const LocaleInfo& locale, const LocalTime& time);
    std::string operator()(std::int64_t writeSeconds) const;

private:
    DatePictureFormatter formatter_;
    const LocalTime& time_;
    std::string picture_;
};

}  // namespace numora
