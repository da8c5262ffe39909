// The combination list: an ordered list of records, each its own copy. The password is the
// concatenation of one element per record, in list order.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/UseChar.h"

class UseCharArray {
  public:
    // Appends count copies of the record at the end.
    void Add(const UseChar& record, std::size_t count = 1);
    void Clear() { records.clear(); }

    std::size_t GetCount() const { return records.size(); }
    bool IsEmpty() const { return records.empty(); }

    UseChar& operator[](std::size_t index) { return records.at(index); }
    const UseChar& operator[](std::size_t index) const { return records.at(index); }

    bool operator==(const UseCharArray&) const = default;

  private:
    std::vector<UseChar> records;
};
