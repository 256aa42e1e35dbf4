#include "planner/beam_search.h"

#include <algorithm>
#include <numeric>
#include <span>
#include <thread>
#include <unordered_map>

#include "planner/state_table.h"

namespace toviran::planner {
namespace {

// Between states about as close to the goal, the one whose plan so far has fewer runs of
// equal items is kept, so that plans take fewer presses. Small enough to decide only
// between states the bound hardly tells apart.
constexpr double kRunPenalty = 0.005;
// Each kind of state keeps at least this share of the width.
constexpr int kKindShare = 16;
constexpr std::uint8_t kNoItem = 0xf;
// Below this many states one thread expands the step alone.
constexpr std::size_t kThreadedFrom = 256;

struct Node {
    MagCore mag;
    std::uint32_t parent = 0;  // index among the previous step's states
    Step step{kNoItem, false};
    std::uint16_t runs = 0;  // runs of equal items so far: fewer runs, fewer presses
    int bound = 0;
    double rank = 0;
    std::uint32_t kind = 0;
};

// The way back from a kept state: its parent's index, whether the special item was used
// after the item, and the item.
using Link = std::uint32_t;
constexpr int kLinkShift = 5;

Link LinkOf(const Node& n) {
    return n.parent << kLinkShift | (n.step.special ? 1u : 0u) << 4 | n.step.item;
}

// Forms, rareness, the FO DEF column and the ordering of POW, DEX and MIND: what decides
// which evolution a state is heading for.
std::uint32_t KindOf(const MagCore& m) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(m.form)) << 8 |
           (m.rare ? 1u : 0u) << 7 | (m.statLevel[0] >= kFoDefColumnLevel ? 1u : 0u) << 6 |
           static_cast<std::uint32_t>(OrderingIndexOf(m.statLevel));
}

struct Expansion {
    std::vector<Node> children;
    std::vector<Node> goals;
    std::uint64_t made = 0;
};

void Expand(const SearchSpace& space, LowerBound::Evaluator& bound, std::span<const Node> parents,
            std::uint32_t first, int step, int incumbent, Expansion& out) {
    for (std::uint32_t i = 0; i < parents.size(); ++i) {
        const Node& p = parents[i];
        // The kept states' own solutions sharpen the bound of the states around them.
        bound.Refine(p.mag);
        space.ForEachChild(p.mag, [&](const MagCore& mag, Step s) {
            ++out.made;
            Node c;
            c.mag = mag;
            c.parent = first + i;
            c.step = s;
            const bool newRun = p.step.item == kNoItem || p.step.special || s.item != p.step.item;
            c.runs = static_cast<std::uint16_t>(p.runs + (newRun ? 1 : 0));
            if (Reached(space.goal(), mag)) {
                out.goals.push_back(c);
                return;
            }
            LowerBound::Evaluator::Estimate e = bound.Evaluate(mag);
            if (e.items >= kUnreachable) return;
            // One item less than the parent's bound is a bound too (pathmax).
            if (p.bound - 1 > e.items) e = {p.bound - 1, static_cast<double>(p.bound - 1)};
            if (step + e.items >= incumbent) return;
            c.bound = e.items;
            c.rank = e.value + kRunPenalty * c.runs;
            c.kind = KindOf(mag);
            out.children.push_back(c);
        });
    }
}

// Every state of the step expanded, on two threads when there are enough of them; the
// halves are joined in order, so the result does not depend on which thread ran first.
void ExpandAll(const SearchSpace& space, std::vector<LowerBound::Evaluator>& bounds,
               const std::vector<Node>& frontier, int step, int incumbent,
               std::vector<Expansion>& parts) {
    for (Expansion& part : parts) {
        part.children.clear();
        part.goals.clear();
        part.made = 0;
    }
    const std::span<const Node> all(frontier);
    if (bounds.size() < 2 || frontier.size() < kThreadedFrom) {
        Expand(space, bounds[0], all, 0, step, incumbent, parts[0]);
        return;
    }
    const auto half = static_cast<std::uint32_t>(frontier.size() / 2);
    std::jthread helper(
        [&] { Expand(space, bounds[1], all.subspan(half), half, step, incumbent, parts[1]); });
    Expand(space, bounds[0], all.first(half), 0, step, incumbent, parts[0]);
}

Path PathTo(const Node& last, const std::vector<std::vector<Link>>& history) {
    Path path;
    path.items.resize(history.size());
    path.items.back() = last.step.item;
    if (last.step.special) path.specialAt = static_cast<int>(history.size());
    std::uint32_t index = last.parent;
    for (std::size_t step = history.size() - 1; step >= 1; --step) {
        const Link link = history[step][index];
        path.items[step - 1] = static_cast<int>(link & 0xf);
        if (link & 0x10) path.specialAt = static_cast<int>(step);
        index = link >> kLinkShift;
    }
    if (history[0][index] & 0x10) path.specialAt = 0;  // the special item before any item
    return path;
}

bool Better(const Node& a, const Node& b) {
    return a.rank != b.rank ? a.rank < b.rank : a.runs < b.runs;
}

// The `width` best states, each kind first given its share. Only the choice matters, not
// the order, so it is made by partial selection; ties fall to the earlier state.
std::vector<Node> Select(std::vector<Node>& states, std::size_t width, int step, int& dropped) {
    const auto before = [&states](std::uint32_t a, std::uint32_t b) {
        if (Better(states[a], states[b])) return true;
        return !Better(states[b], states[a]) && a < b;
    };
    const std::size_t share = std::max<std::size_t>(1, width / kKindShare);
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> byKind;
    for (std::uint32_t i = 0; i < states.size(); ++i) byKind[states[i].kind].push_back(i);
    std::vector<bool> taken(states.size(), false);
    std::vector<std::uint32_t> rest;
    std::size_t count = 0;
    for (auto& [kind, members] : byKind) {
        if (members.size() > share) {
            std::ranges::nth_element(members, members.begin() + static_cast<std::ptrdiff_t>(share),
                                     before);
            rest.insert(rest.end(), members.begin() + static_cast<std::ptrdiff_t>(share),
                        members.end());
            members.resize(share);
        }
        for (const std::uint32_t i : members) taken[i] = true;
        count += members.size();
    }
    if (count > width) {  // more kinds than shares: the best of the shares
        std::vector<std::uint32_t> shares;
        for (std::uint32_t i = 0; i < states.size(); ++i)
            if (taken[i]) shares.push_back(i);
        std::ranges::nth_element(shares, shares.begin() + static_cast<std::ptrdiff_t>(width),
                                 before);
        for (std::size_t j = width; j < shares.size(); ++j) taken[shares[j]] = false;
        count = width;
    } else if (count < width && !rest.empty()) {
        const std::size_t fill = std::min(width - count, rest.size());
        std::ranges::nth_element(rest, rest.begin() + static_cast<std::ptrdiff_t>(fill), before);
        for (std::size_t j = 0; j < fill; ++j) taken[rest[j]] = true;
    }
    std::vector<Node> kept;
    kept.reserve(width);
    for (std::uint32_t i = 0; i < states.size(); ++i) {
        if (taken[i])
            kept.push_back(states[i]);
        else
            dropped = std::min(dropped, step + states[i].bound);
    }
    return kept;
}

}  // namespace

SearchOutcome BeamSearch(const SearchSpace& space, const MagCore& start,
                         const BeamSettings& settings, SearchBudget& budget,
                         const ProgressFn& progress) {
    const auto width = static_cast<std::size_t>(std::max(1, settings.width));
    std::vector<LowerBound::Evaluator> bounds(settings.threads >= 2 ? 2 : 1,
                                              LowerBound::Evaluator(space.bound()));
    std::vector<Node> frontier{Node{start}};
    std::vector<std::vector<Link>> history{{0}};
    if (SpecialUsable(space.goal(), start)) {
        Node rare{AfterSpecial(space.goal(), start)};
        rare.step.special = true;
        frontier.push_back(rare);
        history[0].push_back(1u << 4);
    }
    std::size_t historyBytes = 0;
    StateTable table(width * space.items().size());
    std::vector<Expansion> parts(bounds.size());
    int dropped = settings.incumbent;  // fewest items a plan through a cut state could use
    std::uint64_t made = 0;
    for (int step = 1;; ++step) {
        std::size_t solved = 0;
        for (const auto& b : bounds) solved += b.Solved();
        const std::size_t bytes = historyBytes + table.Bytes() + solved * 256 +
                                  (parts[0].children.capacity() + 2 * width) * sizeof(Node);
        // Stopped here, a shorter plan would still have to pass a state of this step.
        const auto stopped = [&](SearchEnd end) {
            int lower = dropped;
            for (const Node& n : frontier) lower = std::min(lower, step - 1 + n.bound);
            return SearchOutcome{end, {}, lower};
        };
        if (const auto end = budget.Check(bytes, made, settings.work)) return stopped(*end);
        if (step > settings.maxSteps) return stopped(SearchEnd::Work);
        ExpandAll(space, bounds, frontier, step, settings.incumbent, parts);
        std::vector<Node> children;
        const Node* goal = nullptr;
        for (Expansion& part : parts) {
            made += part.made;
            budget.Spend(part.made);
            for (const Node& g : part.goals)
                if (!goal || g.runs < goal->runs) goal = &g;
        }
        if (goal) return {SearchEnd::Found, PathTo(*goal, history), std::min(step, dropped)};
        table.Clear();
        std::vector<Node> unique;
        for (Expansion& part : parts) {
            for (const Node& c : part.children) {
                const PackedMag key = space.Pack(c.mag);
                auto [index, inserted] = table.Insert(key, SearchSpace::Hash(key),
                                                      static_cast<std::uint32_t>(unique.size()));
                if (inserted)
                    unique.push_back(c);
                else if (Better(c, unique[*index]))
                    unique[*index] = c;
            }
        }
        if (unique.empty()) return {SearchEnd::Exhausted, {}, dropped};
        frontier = unique.size() > width ? Select(unique, width, step, dropped) : std::move(unique);
        std::vector<Link>& links = history.emplace_back(frontier.size());
        for (std::size_t i = 0; i < frontier.size(); ++i) links[i] = LinkOf(frontier[i]);
        historyBytes += links.size() * sizeof(Link);
        if (progress) {
            int best = kUnreachable;
            for (const Node& n : frontier) best = std::min(best, n.bound);
            progress(static_cast<double>(step) / (step + best));
        }
    }
}

}  // namespace toviran::planner
