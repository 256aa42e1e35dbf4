#include "planner/presses.h"

#include <algorithm>
#include <span>

namespace toviran::planner {
namespace {

struct Run {
    int item;
    int count;
};

std::vector<Run> RunsOf(std::span<const int> items) {
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

// Feeds the path and tells whether it ends at the goal, with the special item's condition
// met where it is used.
bool StillReaches(const SearchSpace& space, const MagCore& start, const Path& path) {
    MagCore m = start;
    for (std::size_t i = 0; i <= path.items.size(); ++i) {
        if (path.specialAt == static_cast<int>(i)) {
            if (!SpecialUsable(space.goal(), m)) return false;
            m = AfterSpecial(space.goal(), m);
        }
        if (i < path.items.size()) FeedItem(m, path.items[i], space.cls(), space.parity());
    }
    return Reached(space.goal(), m);
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

// One pass over the segment [first, last) of the path; true when it merged two runs.
bool MergeOnce(const SearchSpace& space, const MagCore& start, Path& path, std::size_t first,
               std::size_t last) {
    const std::vector<int> before(path.items.begin(), path.items.begin() + first);
    const std::vector<int> after(path.items.begin() + last, path.items.end());
    const std::vector<Run> runs =
        RunsOf(std::span<const int>(path.items).subspan(first, last - first));
    for (std::size_t j = 1; j < runs.size(); ++j) {
        for (std::size_t i = j; i-- > 0;) {
            if (runs[i].item != runs[j].item) continue;
            for (const auto& [from, to] : {std::pair{j, i}, std::pair{i, j}}) {
                Path candidate = path;
                candidate.items = before;
                const std::vector<int> middle = ItemsOf(Moved(runs, from, to));
                candidate.items.insert(candidate.items.end(), middle.begin(), middle.end());
                candidate.items.insert(candidate.items.end(), after.begin(), after.end());
                if (StillReaches(space, start, candidate)) {
                    path = std::move(candidate);
                    return true;
                }
            }
            break;  // only the nearest earlier run of the same item
        }
    }
    return false;
}

}  // namespace

// The path cut at the first item after which the mag is at the goal: moving runs together
// can bring the goal forward, and items fed after it are wasted.
Path UpToGoal(const SearchSpace& space, const MagCore& start, Path path) {
    MagCore m = start;
    for (std::size_t i = 0; i <= path.items.size(); ++i) {
        if (path.specialAt == static_cast<int>(i)) m = AfterSpecial(space.goal(), m);
        if (Reached(space.goal(), m) &&
            (path.specialAt < 0 || path.specialAt <= static_cast<int>(i))) {
            path.items.resize(i);
            return path;
        }
        if (i < path.items.size()) FeedItem(m, path.items[i], space.cls(), space.parity());
    }
    return path;
}

Path WithFewerRuns(const SearchSpace& space, const MagCore& start, Path path) {
    const std::size_t split =
        path.specialAt >= 0 ? static_cast<std::size_t>(path.specialAt) : path.items.size();
    while (MergeOnce(space, start, path, 0, split)) {
    }
    while (MergeOnce(space, start, path, split, path.items.size())) {
    }
    return UpToGoal(space, start, std::move(path));
}

Presses PressesOf(const SearchSpace& space, const MagCore& start, const Path& path) {
    Presses result;
    std::vector<Press>& presses = result.presses;
    MagCore m = start;
    int itemsInPress = 0;
    int levelBeforeLast = start.level;
    bool pressEnded = true;
    for (std::size_t i = 0; i <= path.items.size(); ++i) {
        if (path.specialAt == static_cast<int>(i)) {
            m = AfterSpecial(space.goal(), m);
            result.specialAfter = presses.size();
            pressEnded = true;
        }
        if (i == path.items.size()) break;
        const int item = path.items[i];
        const bool newPress = pressEnded || itemsInPress == kItemsPerPress ||
                              (presses.back().feedSlots.back().item != item &&
                               presses.back().feedSlots.size() == kSlotsPerPress);
        if (newPress) {
            presses.emplace_back();
            itemsInPress = 0;
            pressEnded = false;
        }
        Press& press = presses.back();
        if (press.feedSlots.empty() || press.feedSlots.back().item != item)
            press.feedSlots.push_back({item, 0});
        ++press.feedSlots.back().count;
        ++itemsInPress;
        levelBeforeLast = m.level;
        FeedItem(m, item, space.cls(), space.parity());
        press.after = m;
    }
    if (path.specialAt < 0) result.specialAfter = presses.size();
    if (!presses.empty()) {
        Press& last = presses.back();
        if (last.feedSlots.size() == 1 && levelBeforeLast < space.goal().level &&
            last.after.level == space.goal().level) {
            last.levelMode = true;
            last.targetLevel = space.goal().level;
        }
    }
    return result;
}

}  // namespace toviran::planner
