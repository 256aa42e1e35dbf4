#include "planner/proof_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "planner/state_table.h"

namespace toviran::planner {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

struct Open {
    MagCore mag;
    std::uint32_t state;  // index into the links
    float bound;
};

int Ceil(float bound) {
    return static_cast<int>(std::ceil(bound - 1e-3f));
}

std::vector<int> PathTo(std::uint32_t state, int lastItem,
                        const std::vector<std::uint32_t>& links) {
    std::vector<int> items{lastItem};
    for (; state != 0; state = links[state] >> 4)
        items.push_back(static_cast<int>(links[state] & 0xf));
    std::ranges::reverse(items);
    return items;
}

int BoundOf(const std::vector<Open>& open, int step, int incumbent) {
    int bound = incumbent;
    for (const Open& o : open) bound = std::min(bound, step + Ceil(o.bound));
    return bound;
}

}  // namespace

SearchOutcome ProveShortest(const SearchSpace& space, const MagCore& start, int incumbent,
                            std::size_t maxStates, const ProgressFn& progress) {
    const float startBound = space.bound.Items(start);
    std::vector<Open> frontier{{start, 0, startBound}};
    std::vector<std::uint32_t> links{0};
    StateTable seen(std::min<std::size_t>(maxStates, 1 << 20));
    const StateKey startKey = space.KeyOf(start);
    seen.Insert(startKey, space.Hash(startKey), 0);
    for (int step = 1;; ++step) {
        const int reachedBound = BoundOf(frontier, step - 1, incumbent);
        if (step >= incumbent) return {SearchEnd::Exhausted, {}, incumbent};
        if (space.stop.stop_requested()) return {SearchEnd::Cancelled, {}, reachedBound};
        if (space.OutOfTime()) return {SearchEnd::Time, {}, reachedBound};
        std::vector<Open> next;
        for (const Open& parent : frontier) {
            for (const int item : space.items) {
                MagCore c = parent.mag;
                FeedItem(c, item, space.cls, space.parity);
                if (Dead(space.goal, c)) continue;
                if (Reached(space.goal, c))
                    return {SearchEnd::Found, PathTo(parent.state, item, links), step};
                const float bound = space.bound.Items(c);
                if (bound == kInfinity || step + Ceil(bound) >= incumbent) continue;
                const StateKey key = space.KeyOf(c);
                const auto index = static_cast<std::uint32_t>(links.size());
                if (!seen.Insert(key, space.Hash(key), index).second) continue;
                links.push_back(parent.state << 4 | static_cast<std::uint32_t>(item));
                next.push_back({c, index, bound});
                if (links.size() > maxStates) return {SearchEnd::Memory, {}, reachedBound};
            }
        }
        if (next.empty()) return {SearchEnd::Exhausted, {}, incumbent};
        frontier = std::move(next);
        if (progress) progress(static_cast<double>(links.size()) / static_cast<double>(maxStates));
    }
}

}  // namespace toviran::planner
