#pragma once
// What the searches share: the goal and its bound, the class and section ID every item is
// fed with, the items allowed, the steps out of a state, and the compact form in which the
// searches keep states.
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "planner/bound_cache.h"
#include "planner/goal.h"
#include "planner/lower_bound.h"
#include "planner/search_budget.h"

namespace toviran::planner {

// A state in 12 bytes: stat levels stay within 200, progress within 99 and the mag's level
// is their sum. IQ and synchro are kept only when the goal asks about them: they never
// change how an item feeds or evolves the mag, so otherwise states that differ only in
// them are one.
struct PackedMag {
    std::array<std::uint8_t, 4> level{};
    std::array<std::uint8_t, 4> progress{};
    std::uint8_t form = 0;
    std::uint8_t flags = 0;  // bit 0: rare; bits 4..7: the last table fed from
    std::uint8_t iq = 0;
    std::uint8_t synchro = 0;
    // Compared as two words: the searches compare states more than anything else.
    friend bool operator==(const PackedMag& a, const PackedMag& b) {
        std::uint64_t a8, b8;
        std::uint32_t a4, b4;
        std::memcpy(&a8, &a, 8);
        std::memcpy(&b8, &b, 8);
        std::memcpy(&a4, reinterpret_cast<const char*>(&a) + 8, 4);
        std::memcpy(&b4, reinterpret_cast<const char*>(&b) + 8, 4);
        return a8 == b8 && a4 == b4;
    }
};
static_assert(sizeof(PackedMag) == 12);

// One step out of a state: an item, and whether the special item is used right after it.
// Both searches keep it as a code of five bits.
struct Step {
    static constexpr std::uint8_t kNoItem = 0xf;  // the start, or the special item before any
    static constexpr std::uint8_t kItemMask = 0xf;
    static constexpr std::uint8_t kSpecialBit = 0x10;
    static constexpr int kBits = 5;
    std::uint8_t item = kNoItem;
    bool special = false;
    std::uint8_t Code() const {
        return static_cast<std::uint8_t>(item | (special ? kSpecialBit : 0));
    }
    static Step Of(std::uint32_t code) {
        return {static_cast<std::uint8_t>(code & kItemMask), (code & kSpecialBit) != 0};
    }
};

class SearchSpace {
  public:
    SearchSpace(const Goal& goal, const LowerBound& bound, RefinementStore& refinements,
                CharacterClass cls, SectionIdParity parity, std::vector<int> items)
        : goal_(goal),
          bound_(bound),
          refinements_(refinements),
          cls_(cls),
          parity_(parity),
          items_(std::move(items)) {}

    const Goal& goal() const { return goal_; }
    const LowerBound& bound() const { return bound_; }
    // The refinements of the bound that every search of the route shares.
    RefinementStore& refinements() const { return refinements_; }
    CharacterClass cls() const { return cls_; }
    SectionIdParity parity() const { return parity_; }
    const std::vector<int>& items() const { return items_; }

    PackedMag Pack(const MagCore& m) const;
    MagCore Unpack(const PackedMag& p) const;
    static std::uint64_t Hash(const PackedMag& p);

    // Calls visit(child, step) for every state one item away that can still reach the goal:
    // the mag after each allowed item and, where its condition is then met, after the
    // special item too.
    template <typename Visit>
    void ForEachChild(const MagCore& parent, Visit&& visit) const {
        for (const int item : items_) {
            MagCore child = parent;
            FeedItem(child, item, cls_, parity_);
            if (Dead(goal_, child)) continue;
            const auto index = static_cast<std::uint8_t>(item);
            visit(child, Step{index, false});
            if (SpecialUsable(goal_, child)) visit(AfterSpecial(goal_, child), Step{index, true});
        }
    }

  private:
    const Goal& goal_;
    const LowerBound& bound_;
    RefinementStore& refinements_;
    CharacterClass cls_;
    SectionIdParity parity_;
    std::vector<int> items_;
};

// A feeding the searches found: the items in order, and after how many of them the special
// item is used (-1: not at all).
struct Path {
    std::vector<int> items;
    int specialAt = -1;
};

// A search's answer: the feeding (when found) and what it proves.
struct SearchOutcome {
    SearchEnd end = SearchEnd::Exhausted;
    std::optional<Path> path;
    int lowerBound = 0;  // no feeding uses fewer items than this
};

}  // namespace toviran::planner
