#pragma once
// What the searches share: the goal, its bound, the class and parity every item is fed
// with, the items allowed, and a key that tells apart exactly the states that can differ
// for the goal.
#include <chrono>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <vector>

#include "planner/goal.h"
#include "planner/lower_bound.h"

namespace toviran::planner {

struct StateKey {
    std::uint64_t levels = 0;  // the four stat levels and progress values
    std::uint64_t rest = 0;    // the form, and IQ and synchro when the goal asks for them
    friend bool operator==(const StateKey&, const StateKey&) = default;
};

struct SearchSpace {
    const Goal& goal;
    const LowerBound& bound;
    CharacterClass cls;
    SectionIdParity parity;
    std::vector<int> items;  // the allowed items, by index into the feed lists
    std::chrono::steady_clock::time_point deadline;
    std::stop_token stop;

    StateKey KeyOf(const MagCore& m) const;
    std::uint64_t Hash(const StateKey& k) const;
    bool OutOfTime() const;
};

// Why a search ended.
enum class SearchEnd { Found, Exhausted, Time, Memory, Cancelled };

// A search's answer: the items in feeding order (when found) and what it proves.
struct SearchOutcome {
    SearchEnd end = SearchEnd::Exhausted;
    std::vector<int> items;
    // No plan uses fewer items than this.
    int lowerBound = 0;
};

}  // namespace toviran::planner
