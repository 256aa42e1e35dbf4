#pragma once
// The search that proves a plan shortest: breadth first over every state, one step per
// item, leaving out the states whose bound says they cannot beat the plan in hand. When it
// runs out of states, no shorter plan exists; when it stops early, its last step still
// gives a lower bound.
#include <cstddef>

#include "planner/plan.h"
#include "planner/search_space.h"

namespace toviran::planner {

// Found: a plan shorter than `incumbent` items, and the shortest there is. Exhausted: no
// plan is shorter than `incumbent`. Otherwise the outcome's bound says how far it got.
SearchOutcome ProveShortest(const SearchSpace& space, const MagCore& start, int incumbent,
                            std::size_t maxStates, const ProgressFn& progress);

// Bytes the proof search uses for each state it keeps.
inline constexpr std::size_t kProofBytesPerState = 112;

}  // namespace toviran::planner
