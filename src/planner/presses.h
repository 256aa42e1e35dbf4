#pragma once
// From a feeding the searches found to presses of the feed button, and fewer of them.
#include <vector>

#include "engine/feeding.h"
#include "planner/plan.h"
#include "planner/search_space.h"

namespace toviran::planner {

inline constexpr std::size_t kSlotsPerPress = kFeedSlotCount;
inline constexpr int kItemsPerPress = kMaxItemsPerRun;

struct Presses {
    std::vector<Press> presses;
    std::size_t specialAfter = 0;  // the special item is used after this many presses
};

// Groups the runs of equal items into presses of up to four slots and 10000 items, with the
// mag after each press; the special item ends a press. The last press is in level mode when
// it is one slot whose last item is the first to reach the target level.
Presses PressesOf(const SearchSpace& space, const MagCore& start, const Path& path);

// Moves runs of the same item next to each other wherever the mag still reaches the goal
// with as many items (on the same side of the special item), so that the plan needs fewer
// slots and presses.
Path WithFewerRuns(const SearchSpace& space, const MagCore& start, Path path);

}  // namespace toviran::planner
