#include "planner/beam_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <thread>

#include "planner/state_table.h"

namespace toviran::planner {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr std::uint8_t kNoItem = 15;
// Between states about as close to the goal, the one whose plan so far has fewer runs of
// equal items is kept, so that plans take fewer presses. The weight is small enough that
// it only decides between states the bound hardly tells apart: a larger one made plans
// longer.
constexpr float kRunPenalty = 0.005f;

struct Node {
    MagCore mag;
    std::uint32_t parent = 0;  // index among the previous step's states
    std::uint8_t item = kNoItem;
    bool reached = false;
    std::uint16_t runs = 0;  // runs of equal items so far: fewer runs, fewer presses
    float bound = 0;         // the bound on the items still needed
    float rank = 0;          // the bound, with a little added for each run
};

// The way back from a kept state: its parent's index and the item that led here.
using Link = std::uint32_t;

bool Better(const Node& a, const Node& b) {
    return a.rank != b.rank ? a.rank < b.rank : a.runs < b.runs;
}

void Expand(const SearchSpace& space, std::span<const Node> parents, std::uint32_t first,
            std::vector<Node>& out) {
    for (std::uint32_t i = 0; i < parents.size(); ++i) {
        const Node& p = parents[i];
        for (const int item : space.items) {
            Node c;
            c.mag = p.mag;
            FeedItem(c.mag, item, space.cls, space.parity);
            if (Dead(space.goal, c.mag)) continue;
            c.reached = Reached(space.goal, c.mag);
            c.bound = c.reached ? 0 : space.bound.Items(c.mag);
            if (c.bound == kInfinity) continue;
            c.parent = first + i;
            c.item = static_cast<std::uint8_t>(item);
            c.runs = static_cast<std::uint16_t>(p.runs + (item != p.item ? 1 : 0));
            c.rank = c.bound + kRunPenalty * c.runs;
            out.push_back(c);
        }
    }
}

// Expands every state of the step into `children` (kept from step to step so that its
// memory is reused), on two threads when there are enough states.
void Children(const SearchSpace& space, const std::vector<Node>& frontier, int threads,
              std::vector<Node>& children, std::vector<Node>& second) {
    children.clear();
    second.clear();
    const std::span<const Node> all(frontier);
    if (threads < 2 || frontier.size() < 256) {
        Expand(space, all, 0, children);
        return;
    }
    const auto half = static_cast<std::uint32_t>(frontier.size() / 2);
    {
        std::jthread helper([&] { Expand(space, all.subspan(half), half, second); });
        Expand(space, all.first(half), 0, children);
    }
    children.insert(children.end(), second.begin(), second.end());
}

std::vector<int> PathTo(const Node& last, const std::vector<std::vector<Link>>& history) {
    std::vector<int> items(history.size());
    items.back() = last.item;
    std::uint32_t index = last.parent;
    for (std::size_t step = history.size() - 1; step >= 1; --step) {
        const Link link = history[step][index];
        items[step - 1] = static_cast<int>(link & 0xf);
        index = link >> 4;
    }
    return items;
}

int Ceil(float bound) {
    return static_cast<int>(std::ceil(bound - 1e-3f));
}

}  // namespace

SearchOutcome BeamSearch(const SearchSpace& space, const MagCore& start,
                         const BeamSettings& settings, const ProgressFn& progress) {
    const auto width = static_cast<std::size_t>(std::max(1, settings.width));
    std::vector<Node> frontier{Node{start}};
    std::vector<std::vector<Link>> history{{0}};
    std::size_t historyBytes = 0;
    StateTable table(width * space.items.size());
    float dropped = kInfinity;  // fewest items a plan through a dropped state could use
    SearchOutcome outcome;
    std::vector<Node> children;
    std::vector<Node> second;
    std::vector<Node> unique;
    for (int step = 1;; ++step) {
        // No plan shorter than this step went only through kept states, or it would have
        // been found; the dropped ones bound the rest.
        if (step > settings.maxSteps)
            return {SearchEnd::Exhausted, {}, std::min(step, Ceil(dropped))};
        if (space.stop.stop_requested()) return {SearchEnd::Cancelled, {}, 0};
        if (space.OutOfTime()) return {SearchEnd::Time, {}, 0};
        Children(space, frontier, settings.threads, children, second);
        table.Clear();
        unique.clear();
        const Node* goal = nullptr;
        for (const Node& c : children) {
            if (c.reached) {
                if (!goal || c.runs < goal->runs) goal = &c;
                continue;
            }
            const StateKey key = space.KeyOf(c.mag);
            auto [index, inserted] =
                table.Insert(key, space.Hash(key), static_cast<std::uint32_t>(unique.size()));
            if (inserted)
                unique.push_back(c);
            else if (c.runs < unique[*index].runs)
                unique[*index] = c;
        }
        if (goal) {
            outcome.end = SearchEnd::Found;
            outcome.items = PathTo(*goal, history);
            outcome.lowerBound = std::min(step, Ceil(dropped));
            return outcome;
        }
        if (unique.empty()) {
            outcome.end = SearchEnd::Exhausted;
            outcome.lowerBound =
                dropped == kInfinity ? std::numeric_limits<int>::max() : Ceil(dropped);
            return outcome;
        }
        if (unique.size() > width) {
            std::nth_element(unique.begin(), unique.begin() + width, unique.end(), Better);
            for (auto it = unique.begin() + width; it != unique.end(); ++it)
                dropped = std::min(dropped, step + it->bound);
            unique.resize(width);
        }
        std::vector<Link>& links = history.emplace_back(unique.size());
        for (std::size_t i = 0; i < unique.size(); ++i)
            links[i] = unique[i].parent << 4 | unique[i].item;
        historyBytes += links.size() * sizeof(Link);
        const std::size_t working =
            (children.capacity() + 2 * width) * sizeof(Node) + table.Bytes();
        if (historyBytes + working > settings.memoryBytes) return {SearchEnd::Memory, {}, 0};
        std::swap(frontier, unique);
        if (progress) {
            float best = kInfinity;
            for (const Node& n : frontier) best = std::min(best, n.bound);
            progress(step / (step + best));
        }
    }
}

}  // namespace toviran::planner
