#pragma once
// A second, simple bound beside the linear program: an evolution still ahead must see one of
// the orderings of the stats that give the form (and a special item its condition), so each
// stat must still gain some levels before then; the slowest of them, at the most one item
// adds to it, takes at least this many items.
#include <array>
#include <cstdint>
#include <vector>

#include "planner/lp_model.h"

namespace toviran::planner {

// The levels each stat must still gain for an evolution ahead, one set per ordering that
// gives the form; `free` when it asks nothing of this mag.
struct Raises {
    bool free = true;
    std::vector<std::array<std::int16_t, 4>> options;
};

// What the last evolution, the second evolution on the route and the special item's
// condition ask of this mag.
struct RaisesAhead {
    Raises last;
    Raises second;
    Raises requirement;
};
RaisesAhead RaisesFor(const BoundContext& c, const MagCore& m);

// The items the slowest stat of the cheapest option needs, with `most` the most one item
// adds to each stat; kUnreachable when no option can be met.
int ItemsFor(const RaisesAhead& raises, const MagCore& m, const std::array<int, 4>& most);

}  // namespace toviran::planner
