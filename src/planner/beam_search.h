#pragma once
// The wide search: one step per item, keeping at each step the states with the smallest
// bound on the items still needed. It finds a plan quickly; when it never had to drop a
// state, that plan is the shortest.
#include <cstddef>

#include "planner/plan.h"
#include "planner/search_space.h"

namespace toviran::planner {

struct BeamSettings {
    int width = 4096;
    int threads = 2;
    std::size_t memoryBytes = std::size_t{512} << 20;
    // A search that has found nothing after this many items gives up: at the target level
    // a mag can take items for ever without levelling, so not every search runs dry.
    int maxSteps = 10000;
};

SearchOutcome BeamSearch(const SearchSpace& space, const MagCore& start,
                         const BeamSettings& settings, const ProgressFn& progress);

}  // namespace toviran::planner
