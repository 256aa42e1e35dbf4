#pragma once
// From a sequence of items to presses of the feed button, and fewer of them.
#include <vector>

#include "planner/plan.h"
#include "planner/search_space.h"

namespace toviran::planner {

inline constexpr int kSlotsPerPress = 4;
inline constexpr int kItemsPerPress = kMaxItemsPerRun;

// Groups the runs of equal items into presses of up to four slots and 10000 items, with the
// mag after each press. The last press is in level mode when it is one slot whose last item
// is the first to reach the target level.
std::vector<Press> PressesOf(const SearchSpace& space, const MagCore& start,
                             const std::vector<int>& items);

// Moves runs of the same item next to each other wherever the mag still reaches the goal
// with as many items, so that the plan needs fewer slots and presses.
std::vector<int> WithFewerRuns(const SearchSpace& space, const MagCore& start,
                               std::vector<int> items);

}  // namespace toviran::planner
