#pragma once
// The one hash table of the planner: open addressing from a key's 64-bit hash to a number
// (an index into the caller's own storage, where the keys live). The caller tells whether
// the entry at an index holds the key it looks for, and its hash again when the table
// grows. A clearable table forgets everything in constant time, so that the wide search can
// reuse it at every step.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "planner/huge_pages.h"

namespace toviran::planner {

template <bool Clearable>
class HashIndex {
  public:
    explicit HashIndex(std::size_t expected = 1024) {
        std::size_t slots = 1024;
        while (slots * 3 < expected * 4) slots *= 2;
        slots_.assign(slots, Slot{});
    }

    // The index stored for the key with this hash (`same(index)` tells whether an entry
    // holds it), or, when there is none, `next` stored for it; the bool says which.
    template <typename Same, typename HashOf>
    std::pair<std::uint32_t, bool> FindOrAdd(std::uint64_t hash, std::uint32_t next, Same&& same,
                                             HashOf&& hashOf) {
        if ((size_ + 1) * 4 > slots_.size() * 3) Grow(hashOf);
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (!InUse(slot)) {
                slot.Set(next + 1, tag, stamp_);
                ++size_;
                return {next, true};
            }
            if (slot.tag == tag && same(slot.index - 1)) return {slot.index - 1, false};
        }
    }

    template <typename Same>
    std::optional<std::uint32_t> Find(std::uint64_t hash, Same&& same) const {
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (!InUse(slot)) return std::nullopt;
            if (slot.tag == tag && same(slot.index - 1)) return slot.index - 1;
        }
    }

    // Asks for the slot's memory ahead of time, so that the lookups of several keys wait
    // for memory together instead of one after the other.
    void Prefetch(std::uint64_t hash) const {
        __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
    }

    void Clear() {
        if constexpr (Clearable) {
            if (++stamp_ == 0) {  // the stamps wrapped: forget them for real
                slots_.assign(slots_.size(), Slot{});
                stamp_ = 1;
            }
        } else {
            slots_.assign(slots_.size(), Slot{});
        }
        size_ = 0;
    }

    std::size_t Bytes() const { return slots_.capacity() * sizeof(Slot); }
    // What the table would take on top of its own when it next grows (it holds both then).
    std::size_t GrowthBytes() const {
        return (size_ + 2) * 4 > slots_.size() * 3 ? 2 * slots_.size() * sizeof(Slot) : 0;
    }

  private:
    struct PlainSlot {
        std::uint32_t index = 0;  // the value + 1; 0 for a free slot
        std::uint32_t tag = 0;    // the hash's upper half, to skip most comparisons
        void Set(std::uint32_t i, std::uint32_t t, std::uint32_t) {
            index = i;
            tag = t;
        }
    };
    struct StampedSlot {
        std::uint32_t index = 0;
        std::uint32_t tag = 0;
        std::uint32_t stamp = 0;  // in use when it equals the table's stamp
        void Set(std::uint32_t i, std::uint32_t t, std::uint32_t s) {
            index = i;
            tag = t;
            stamp = s;
        }
    };
    using Slot = std::conditional_t<Clearable, StampedSlot, PlainSlot>;

    bool InUse(const Slot& slot) const {
        if constexpr (Clearable)
            return slot.stamp == stamp_ && slot.index != 0;
        else
            return slot.index != 0;
    }

    template <typename HashOf>
    void Grow(HashOf&& hashOf) {
        std::vector<Slot, HugePageAllocator<Slot>> old = std::move(slots_);
        slots_.assign(old.size() * 2, Slot{});
        const std::size_t mask = slots_.size() - 1;
        for (const Slot& s : old) {
            if (!InUse(s)) continue;
            std::size_t i = hashOf(s.index - 1) & mask;
            while (InUse(slots_[i])) i = (i + 1) & mask;
            slots_[i] = s;
        }
    }

    std::vector<Slot, HugePageAllocator<Slot>> slots_;
    std::size_t size_ = 0;
    std::uint32_t stamp_ = 1;
};

}  // namespace toviran::planner
