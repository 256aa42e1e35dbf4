#include "planner/state_table.h"

#include <bit>

namespace toviran::planner {

StateTable::StateTable(std::size_t expected)
    : entries_(std::bit_ceil(std::max<std::size_t>(16, expected * 2))), hashes_(entries_.size()) {}

void StateTable::Clear() {
    size_ = 0;
    if (++stamp_ == 0) {  // after four billion clears the old stamps could come back
        for (Entry& e : entries_) e.stamp = 0;
        stamp_ = 1;
    }
}

std::pair<std::uint32_t*, bool> StateTable::Insert(const StateKey& key, std::uint64_t hash,
                                                   std::uint32_t value) {
    if ((size_ + 1) * 2 > entries_.size()) Grow();
    const std::size_t mask = entries_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Entry& e = entries_[i];
        if (e.stamp != stamp_) {
            e = {key, value, stamp_};
            hashes_[i] = hash;
            ++size_;
            return {&e.value, true};
        }
        if (hashes_[i] == hash && e.key == key) return {&e.value, false};
    }
}

void StateTable::Grow() {
    std::vector<Entry> old = std::move(entries_);
    std::vector<std::uint64_t> oldHashes = std::move(hashes_);
    entries_.assign(old.size() * 2, Entry{});
    hashes_.assign(entries_.size(), 0);
    const std::uint32_t liveStamp = stamp_;
    stamp_ = 1;
    size_ = 0;
    for (std::size_t i = 0; i < old.size(); ++i)
        if (old[i].stamp == liveStamp) Insert(old[i].key, oldHashes[i], old[i].value);
}

}  // namespace toviran::planner
