#include "planner/presses.h"

#include <algorithm>

namespace toviran::planner {
namespace {

struct Run {
    int item;
    int count;
};

std::vector<Run> RunsOf(const std::vector<int>& items) {
    std::vector<Run> runs;
    for (const int item : items) {
        if (!runs.empty() && runs.back().item == item)
            ++runs.back().count;
        else
            runs.push_back({item, 1});
    }
    return runs;
}

std::vector<int> ItemsOf(const std::vector<Run>& runs) {
    std::vector<int> items;
    for (const Run& r : runs) items.insert(items.end(), r.count, r.item);
    return items;
}

bool StillReaches(const SearchSpace& space, const MagCore& start, const std::vector<int>& items) {
    MagCore m = start;
    for (const int item : items) FeedItem(m, item, space.cls, space.parity);
    return Reached(space.goal, m);
}

// The runs with run `from` moved to just after run `to` (or just before it, when `to`
// comes later).
std::vector<Run> Moved(std::vector<Run> runs, std::size_t from, std::size_t to) {
    const Run moving = runs[from];
    runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(from));
    if (to > from) --to;
    runs[to].count += moving.count;
    return runs;
}

}  // namespace

std::vector<int> WithFewerRuns(const SearchSpace& space, const MagCore& start,
                               std::vector<int> items) {
    for (bool improved = true; improved;) {
        improved = false;
        const std::vector<Run> runs = RunsOf(items);
        for (std::size_t j = 1; j < runs.size() && !improved; ++j) {
            for (std::size_t i = j; i-- > 0;) {
                if (runs[i].item != runs[j].item) continue;
                for (const auto& [from, to] : {std::pair{j, i}, std::pair{i, j}}) {
                    std::vector<int> candidate = ItemsOf(Moved(runs, from, to));
                    if (StillReaches(space, start, candidate)) {
                        items = std::move(candidate);
                        improved = true;
                        break;
                    }
                }
                break;  // only the nearest earlier run of the same item
            }
        }
    }
    return items;
}

std::vector<Press> PressesOf(const SearchSpace& space, const MagCore& start,
                             const std::vector<int>& items) {
    std::vector<Press> presses;
    MagCore m = start;
    int itemsInPress = 0;
    int levelBeforeLast = start.level;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int item = items[i];
        const bool newPress = presses.empty() || itemsInPress == kItemsPerPress ||
                              (presses.back().feedSlots.back().item != item &&
                               presses.back().feedSlots.size() == kSlotsPerPress);
        if (newPress) {
            presses.emplace_back();
            itemsInPress = 0;
        }
        Press& press = presses.back();
        if (press.feedSlots.empty() || press.feedSlots.back().item != item)
            press.feedSlots.push_back({item, 0});
        ++press.feedSlots.back().count;
        ++itemsInPress;
        levelBeforeLast = m.level;
        FeedItem(m, item, space.cls, space.parity);
        press.after = m;
    }
    if (!presses.empty()) {
        Press& last = presses.back();
        if (last.feedSlots.size() == 1 && levelBeforeLast < space.goal.level &&
            last.after.level == space.goal.level) {
            last.levelMode = true;
            last.targetLevel = space.goal.level;
        }
    }
    return presses;
}

}  // namespace toviran::planner
