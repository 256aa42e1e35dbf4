#pragma once
// The stretches of levels ahead of a mag, each with the table rows it can be fed from
// there. The bound reasons about what the items of each stretch can give at most; which
// rows a stretch offers follows the feeding rules' stages and evolutions, widened to every
// form the mag could have by then.
#include <array>
#include <vector>

#include "planner/goal.h"

namespace toviran::planner {

// One table row: its deltas as they are (negative ones too).
struct RowDelta {
    std::array<int, 4> stat{};
    int iq = 0;
    int synchro = 0;
    friend bool operator==(const RowDelta&, const RowDelta&) = default;
};

struct Phase {
    int lo = 0;  // the items of the phase are fed while the level is in [lo, hi)
    int hi = 0;
    bool rare = false;  // fed from the rare table, after the special item
    bool once = false;  // one item at most: a マグ at 10 or more evolves with its next item
    std::vector<RowDelta> rows;
};

// The phases from `m` to the goal, in feeding order. Empty when no item can be fed at a
// level that still leads to the goal.
std::vector<Phase> PhasesAhead(const Goal& goal, const MagCore& m, CharacterClass cls,
                               SectionIdParity parity, ItemSet items);

// The lowest level at which the special item of a rare goal can be used at all.
int EarliestUseLevel(const Goal& goal);

}  // namespace toviran::planner
