#pragma once
// The wide search: one step per item, keeping at each step the states that look closest to
// the goal. It finds a plan quickly; states it had to drop bound how much shorter a plan
// could still be, and when it dropped none its plan is the shortest.
//
// What "closest" means may guess (the ranking); what may be cut for good is only what the
// lower bound proves cannot beat the plan in hand. So that a form that needs an unusual
// ordering of the stats is not crowded out by states that race ahead on their way to
// another form, every kind of state (its form and the ordering of its stats) keeps a share
// of the width.
#include <cstdint>
#include <memory>
#include <span>

#include "planner/plan.h"
#include "planner/search_space.h"

namespace toviran::planner {

class WorkerPool;

struct BeamSettings {
    int width = 4096;
    std::uint64_t work = 0;        // states this search may make
    int maxSteps = 10000;          // a mag can take items for ever at the target level
    int incumbent = kUnreachable;  // a plan of this many items is in hand: look only for shorter
};

// The pool's threads share each step's work, each bounding with its own evaluator of
// `bounds` (one per thread); the answer is the same with any number.
SearchOutcome BeamSearch(const SearchSpace& space, const MagCore& start,
                         const BeamSettings& settings, SearchBudget& budget, WorkerPool& pool,
                         std::span<const std::unique_ptr<BoundEvaluator>> bounds,
                         const ProgressFn& progress);

}  // namespace toviran::planner
