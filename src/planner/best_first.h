#pragma once
// The search that proves a plan shortest: best first by items so far plus the lower bound
// (A*), every state kept once. Whatever it has not yet expanded needs at least as many
// items as the smallest such sum, so when it stops early that sum is still a proven bound;
// when it runs out of states below the plan in hand, that plan is the shortest.
#include <cstdint>

#include "planner/plan.h"
#include "planner/search_space.h"

namespace toviran::planner {

struct BestFirstSettings {
    int incumbent = kUnreachable;  // a plan of this many items is in hand: look only for shorter
    std::uint64_t work = 0;        // states this search may make
};

// Found: the shortest plan, shorter than the incumbent. Exhausted: none is shorter than the
// incumbent. Otherwise the budget ended it and the outcome's bound says how far it got.
SearchOutcome BestFirst(const SearchSpace& space, const MagCore& start,
                        const BestFirstSettings& settings, SearchBudget& budget,
                        BoundEvaluator& bound, const ProgressFn& progress);

}  // namespace toviran::planner
