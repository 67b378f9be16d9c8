#pragma once

#include <cstddef>
#include <vector>

#include "draws/DrawRecord.h"

namespace numora {

// The past draws of one lottery in file order; the last record is the most
// recent draw. Positions run from 0 (the first record) to size() - 1.
class DrawList {
public:
    using const_iterator = std::vector<DrawRecord>::const_iterator;

    DrawList() = default;
    DrawList(std::initializer_list<DrawRecord> records) : records_(records) {}

    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const DrawRecord& at(std::size_t position) const { return records_.at(position); }
    DrawRecord& at(std::size_t position) { return records_.at(position); }
    const DrawRecord& back() const { return records_.back(); }

    void append(const DrawRecord& record) { records_.push_back(record); }
    void prepend(const DrawRecord& record) { records_.insert(records_.begin(), record); }
    // Inserts before the record at position; a position of size() appends.
    void insertBefore(std::size_t position, const DrawRecord& record) {
        records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(position), record);
    }
    void removeAt(std::size_t position) { records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(position)); }
    void clear() { records_.clear(); }
    void reserve(std::size_t count) { records_.reserve(count); }

    const_iterator begin() const { return records_.begin(); }
    const_iterator end() const { return records_.end(); }
    const std::vector<DrawRecord>& records() const { return records_; }
    std::vector<DrawRecord>& records() { return records_; }

    friend bool operator==(const DrawList&, const DrawList&) = default;

private:
    std::vector<DrawRecord> records_;
};

}  // namespace numora
