#pragma once
// The orderings of POW, DEX and MIND that give a form, as few convex groups: each group is
// every set of levels meeting a few relations such as "POW at least DEX" or "MIND above
// POW", so that the bound can ask for a group with linear rows instead of one ordering at
// a time.
#include <cstdint>
#include <vector>

namespace toviran::planner {

// Stat `above` is at least stat `below` plus `gap` (0 or 1); stats as in StatKind.
struct Relation {
    std::uint8_t above = 0;
    std::uint8_t below = 0;
    std::uint8_t gap = 0;
};

// The fewest groups whose orderings are exactly those of `orderings` (bit i: ordering i of
// OrderingExamples()), found greedily, each as its relations.
std::vector<std::vector<Relation>> OrderingGroups(std::uint16_t orderings);

}  // namespace toviran::planner
