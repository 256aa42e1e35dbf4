#pragma once
// An open-addressing table from packed states to a number (an index), cleared in constant
// time so that the wide search can reuse it at every step.
#include <cstdint>
#include <utility>
#include <vector>

#include "planner/search_space.h"

namespace toviran::planner {

class StateTable {
  public:
    explicit StateTable(std::size_t expected = 1024);

    // The value stored for `key`, inserting `value` first when the key is new; the bool
    // says whether it was inserted. The pointer stays valid until the next Insert.
    std::pair<std::uint32_t*, bool> Insert(const PackedMag& key, std::uint64_t hash,
                                           std::uint32_t value);
    void Clear();
    std::size_t Bytes() const { return entries_.size() * sizeof(Entry); }

  private:
    struct Entry {
        PackedMag key;
        std::uint32_t value = 0;
        std::uint32_t stamp = 0;  // the entry is in use when it equals the table's stamp
        std::uint32_t hash = 0;   // the hash's upper half, to skip most comparisons
    };
    void Grow();

    std::vector<Entry> entries_;
    std::size_t size_ = 0;
    std::uint32_t stamp_ = 1;
};

}  // namespace toviran::planner
