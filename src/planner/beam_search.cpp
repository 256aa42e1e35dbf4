#include "planner/beam_search.h"

#include <algorithm>
#include <map>
#include <memory>
#include <span>

#include "planner/hash_index.h"
#include "planner/worker_pool.h"

namespace toviran::planner {
namespace {

// Between states about as close to the goal, the one whose plan so far has fewer runs of
// equal items is kept, so that plans take fewer presses. Small enough to decide only
// between states the bound hardly tells apart.
constexpr double kRunPenalty = 0.005;
// Each kind of state keeps at least this share of the width.
constexpr int kKindShare = 16;
// Below this many states one thread expands the step alone.
constexpr std::size_t kThreadedFrom = 256;

// The ranking: which states the wide search keeps. It may guess; only the bound prunes.
double Rank(const Estimate& e, int runs) {
    return e.value + kRunPenalty * runs;
}

struct Node {
    MagCore mag;
    std::uint32_t parent = 0;  // index among the previous step's states
    Step step;
    std::uint16_t runs = 0;  // runs of equal items so far: fewer runs, fewer presses
    int bound = 0;
    double rank = 0;
    std::uint32_t kind = 0;
};

// The way back from a kept state: its parent's index and the step's code.
using Link = std::uint32_t;

Link LinkOf(const Node& n) {
    return n.parent << Step::kBits | n.step.Code();
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
    std::map<std::uint32_t, std::vector<std::uint32_t>> byKind;
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

Path PathTo(const Node& last, const std::vector<std::vector<Link>>& history) {
    Path path;
    path.items.resize(history.size());
    path.items.back() = last.step.item;
    if (last.step.special) path.specialAt = static_cast<int>(history.size());
    std::uint32_t index = last.parent;
    for (std::size_t step = history.size() - 1; step >= 1; --step) {
        const Link link = history[step][index];
        const Step s = Step::Of(link);
        path.items[step - 1] = s.item;
        if (s.special) path.specialAt = static_cast<int>(step);
        index = link >> Step::kBits;
    }
    if (Step::Of(history[0][index]).special) path.specialAt = 0;  // before any item
    return path;
}

class Beam {
  public:
    Beam(const SearchSpace& space, const BeamSettings& settings, SearchBudget& budget,
         WorkerPool& pool, std::span<const std::unique_ptr<BoundEvaluator>> bounds)
        : space_(space),
          settings_(settings),
          budget_(budget),
          pool_(pool),
          width_(static_cast<std::size_t>(std::max(1, settings.width))),
          bounds_(bounds.first(std::min(bounds.size(), static_cast<std::size_t>(pool.Threads())))),
          parts_(bounds_.size()) {
        dropped_ = settings.incumbent;
    }

    SearchOutcome Run(const MagCore& start, const ProgressFn& progress) {
        frontier_.push_back(Node{start});
        history_.push_back({0});
        if (SpecialUsable(space_.goal(), start)) {
            Node rare{AfterSpecial(space_.goal(), start)};
            rare.step = {Step::kNoItem, true};
            frontier_.push_back(rare);
            history_[0].push_back(rare.step.Code());
        }
        const std::size_t tableBytes = width_ * space_.items().size() * 16;
        if (!budget_.Room(Bytes(), tableBytes)) return Stopped(SearchEnd::Memory, 1);
        table_ = std::make_unique<HashIndex<true>>(width_ * space_.items().size());
        for (int step = 1;; ++step) {
            if (const auto end = budget_.Check(Bytes(), made_, settings_.work))
                return Stopped(*end, step);
            if (step > settings_.maxSteps) return Stopped(SearchEnd::Work, step);
            RefineParents();
            ExpandAll(step);
            if (const Node* goal = Goal())
                return {SearchEnd::Found, PathTo(*goal, history_), std::min(step, dropped_)};
            if (!KeepBest(step)) return {SearchEnd::Exhausted, {}, dropped_};
            if (progress) {
                int best = kUnreachable;
                for (const Node& n : frontier_) best = std::min(best, n.bound);
                progress(static_cast<double>(step) / (step + best));
            }
        }
    }

  private:
    std::size_t Bytes() const {
        std::size_t bytes = historyBytes_ + (table_ ? table_->Bytes() : 0) +
                            (frontier_.capacity() + unique_.capacity()) * sizeof(Node) +
                            keys_.capacity() * sizeof(PackedMag);
        for (const Expansion& part : parts_)
            bytes += (part.children.capacity() + part.goals.capacity()) * sizeof(Node);
        return bytes;
    }

    // Stopped here, a shorter plan would still have to pass a state of this step.
    SearchOutcome Stopped(SearchEnd end, int step) const {
        int lower = dropped_;
        for (const Node& n : frontier_) lower = std::min(lower, step - 1 + n.bound);
        return {end, {}, lower};
    }

    // The parts of the frontier the threads take, fixed by index.
    std::size_t Parts() const { return frontier_.size() < kThreadedFrom ? 1 : bounds_.size(); }
    std::span<const Node> Slice(std::size_t part, std::size_t parts, std::size_t& first) const {
        const std::size_t n = frontier_.size();
        first = n * part / parts;
        return std::span<const Node>(frontier_).subspan(first, n * (part + 1) / parts - first);
    }

    // The kept states' own solutions sharpen the bound of the states around them. Which are
    // solved is decided in the frontier's order, and the solutions join the store in that
    // order, before any child is bounded.
    void RefineParents() {
        RefinementStore& store = space_.refinements();
        std::vector<std::pair<std::uint64_t, const MagCore*>> chosen;
        std::map<std::uint64_t, int> added;
        for (const Node& p : frontier_) {
            const std::uint64_t key = BoundKeyOf(p.mag, space_.goal().needsIqSynchro);
            const std::vector<Solutions>* known = store.For(key);
            const int have = (known != nullptr ? static_cast<int>(known->size()) : 0) + added[key];
            if (have >= RefinementStore::kRefinements) continue;
            ++added[key];
            chosen.push_back({key, &p.mag});
        }
        if (chosen.empty()) return;
        std::vector<Solutions> solved(chosen.size());
        const std::size_t parts = chosen.size() < bounds_.size() ? 1 : bounds_.size();
        pool_.Run(parts, [&](std::size_t part) {
            for (std::size_t i = chosen.size() * part / parts;
                 i < chosen.size() * (part + 1) / parts; ++i)
                solved[i] = bounds_[part]->Refinement(*chosen[i].second);
        });
        const std::size_t before = store.Bytes();
        for (std::size_t i = 0; i < chosen.size(); ++i)
            store.Add(chosen[i].first, std::move(solved[i]));
        budget_.Hold(static_cast<std::ptrdiff_t>(store.Bytes() - before));
    }

    void Expand(std::size_t part, std::size_t parts, int step) {
        std::size_t first = 0;
        const std::span<const Node> parents = Slice(part, parts, first);
        Expansion& out = parts_[part];
        BoundEvaluator& bound = *bounds_[part];
        for (std::uint32_t i = 0; i < parents.size(); ++i) {
            const Node& p = parents[i];
            space_.ForEachChild(p.mag, [&](const MagCore& mag, Step s) {
                ++out.made;
                Node c;
                c.mag = mag;
                c.parent = static_cast<std::uint32_t>(first) + i;
                c.step = s;
                const bool newRun =
                    p.step.item == Step::kNoItem || p.step.special || s.item != p.step.item;
                c.runs = static_cast<std::uint16_t>(p.runs + (newRun ? 1 : 0));
                if (Reached(space_.goal(), mag)) {
                    out.goals.push_back(c);
                    return;
                }
                Estimate e = bound.Evaluate(mag);
                if (e.items >= kUnreachable) return;
                // One item less than the parent's bound is a bound too (pathmax).
                if (p.bound - 1 > e.items) e = {p.bound - 1, static_cast<double>(p.bound - 1)};
                if (step + e.items >= settings_.incumbent) return;
                c.bound = e.items;
                c.rank = Rank(e, c.runs);
                c.kind = KindOf(mag);
                out.children.push_back(c);
            });
        }
    }

    // Every state of the step expanded; the parts are joined in order, so the result does
    // not depend on which thread ran first, nor on how many there are.
    void ExpandAll(int step) {
        for (Expansion& part : parts_) {
            part.children.clear();
            part.goals.clear();
            part.made = 0;
        }
        const std::size_t parts = Parts();
        pool_.Run(parts, [&](std::size_t part) { Expand(part, parts, step); });
        for (const Expansion& part : parts_) {
            made_ += part.made;
            budget_.Spend(part.made);
        }
    }

    // The goal reached with the fewest runs, the first of them in order.
    const Node* Goal() const {
        const Node* goal = nullptr;
        for (const Expansion& part : parts_)
            for (const Node& g : part.goals)
                if (!goal || g.runs < goal->runs) goal = &g;
        return goal;
    }

    // The children, each state once, cut to the width. False when none is left.
    bool KeepBest(int step) {
        table_->Clear();
        unique_.clear();
        keys_.clear();
        for (const Expansion& part : parts_) {
            for (const Node& c : part.children) {
                const PackedMag key = space_.Pack(c.mag);
                const std::uint64_t hash = SearchSpace::Hash(key);
                const auto [index, added] = table_->FindOrAdd(
                    hash, static_cast<std::uint32_t>(unique_.size()),
                    [&](std::uint32_t i) { return keys_[i] == key; },
                    [&](std::uint32_t i) { return SearchSpace::Hash(keys_[i]); });
                if (added) {
                    unique_.push_back(c);
                    keys_.push_back(key);
                } else if (Better(c, unique_[index])) {
                    unique_[index] = c;
                }
            }
        }
        if (unique_.empty()) return false;
        if (unique_.size() > width_)
            frontier_ = Select(unique_, width_, step, dropped_);
        else
            frontier_.swap(unique_);
        std::vector<Link>& links = history_.emplace_back(frontier_.size());
        for (std::size_t i = 0; i < frontier_.size(); ++i) links[i] = LinkOf(frontier_[i]);
        historyBytes_ += links.size() * sizeof(Link);
        return true;
    }

    const SearchSpace& space_;
    const BeamSettings& settings_;
    SearchBudget& budget_;
    WorkerPool& pool_;
    std::size_t width_;
    std::span<const std::unique_ptr<BoundEvaluator>> bounds_;  // one per thread
    std::vector<Expansion> parts_;
    std::vector<Node> frontier_;
    std::vector<Node> unique_;
    std::vector<PackedMag> keys_;  // the packed form of each of unique_
    std::unique_ptr<HashIndex<true>> table_;
    std::vector<std::vector<Link>> history_;
    std::size_t historyBytes_ = 0;
    int dropped_ = kUnreachable;  // fewest items a plan through a cut state could use
    std::uint64_t made_ = 0;
};

}  // namespace

SearchOutcome BeamSearch(const SearchSpace& space, const MagCore& start,
                         const BeamSettings& settings, SearchBudget& budget, WorkerPool& pool,
                         std::span<const std::unique_ptr<BoundEvaluator>> bounds,
                         const ProgressFn& progress) {
    return Beam(space, settings, budget, pool, bounds).Run(start, progress);
}

}  // namespace toviran::planner
