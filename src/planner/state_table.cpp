#include "planner/state_table.h"

#include <algorithm>
#include <bit>

namespace toviran::planner {

StateTable::StateTable(std::size_t expected)
    : entries_(std::bit_ceil(std::max<std::size_t>(16, expected * 2))) {}

void StateTable::Clear() {
    size_ = 0;
    if (++stamp_ == 0) {  // after four billion clears the old stamps could come back
        for (Entry& e : entries_) e.stamp = 0;
        stamp_ = 1;
    }
}

std::pair<std::uint32_t*, bool> StateTable::Insert(const PackedMag& key, std::uint64_t hash,
                                                   std::uint32_t value) {
    if ((size_ + 1) * 2 > entries_.size()) Grow();
    const std::size_t mask = entries_.size() - 1;
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Entry& e = entries_[i];
        if (e.stamp != stamp_) {
            e = {key, value, stamp_, tag};
            ++size_;
            return {&e.value, true};
        }
        if (e.hash == tag && e.key == key) return {&e.value, false};
    }
}

void StateTable::Grow() {
    std::vector<Entry> old = std::move(entries_);
    entries_.assign(old.size() * 2, Entry{});
    const std::uint32_t liveStamp = stamp_;
    stamp_ = 1;
    size_ = 0;
    for (const Entry& e : old)
        if (e.stamp == liveStamp) Insert(e.key, SearchSpace::Hash(e.key), e.value);
}

}  // namespace toviran::planner
