#include "planner/best_first.h"

#include <algorithm>
#include <optional>

#include "planner/hash_index.h"
#include "planner/huge_pages.h"

namespace toviran::planner {
namespace {

constexpr std::uint32_t kNoParent = 0xffffffffu;
constexpr std::uint8_t kRefinedBit = 0x20;  // the state's bound was solved for it alone
// The budget and the clock are looked at once per this many expanded states.
constexpr std::uint32_t kCheckEvery = 4096;

struct Record {
    PackedMag mag;
    std::uint32_t parent = kNoParent;
    std::uint32_t items = 0;  // items from the start on the best way known
    std::uint32_t bound = 0;  // the lower bound from here
    std::uint8_t step = Step::kNoItem;
};

// Every state met, each once, with the best way to it known so far.
class Closed {
  public:
    // The state's record, or nothing; `hash` is its hash.
    std::optional<std::uint32_t> Find(const PackedMag& mag, std::uint64_t hash) const {
        if (count_ == 0) return std::nullopt;
        return index_.Find(hash, [&](std::uint32_t i) { return (*this)[i].mag == mag; });
    }
    void Prefetch(std::uint64_t hash) const { index_.Prefetch(hash); }
    // Keeps a new state (one Find did not find).
    std::uint32_t Add(const Record& record, std::uint64_t hash) {
        if ((count_ & kChunkMask) == 0) {
            records_.emplace_back();
            records_.back().resize(kChunk);
        }
        const auto index = static_cast<std::uint32_t>(count_++);
        (*this)[index] = record;
        index_.FindOrAdd(
            hash, index, [](std::uint32_t) { return false; },
            [this](std::uint32_t i) { return SearchSpace::Hash((*this)[i].mag); });
        return index;
    }
    Record& operator[](std::uint32_t i) { return records_[i >> kChunkBits][i & kChunkMask]; }
    const Record& operator[](std::uint32_t i) const {
        return records_[i >> kChunkBits][i & kChunkMask];
    }
    std::size_t Bytes() const { return records_.size() * kChunk * sizeof(Record) + index_.Bytes(); }
    // What the next Add may allocate: a chunk of records, and the index when it grows.
    std::size_t NextBytes() const {
        return ((count_ & kChunkMask) == 0 ? kChunk * sizeof(Record) : 0) + index_.GrowthBytes();
    }
    bool Full() const { return count_ >= kNoParent - 1; }

  private:
    // Records in fixed chunks, so that growing never copies them or holds two copies.
    static constexpr int kChunkBits = 18;
    static constexpr std::size_t kChunk = std::size_t{1} << kChunkBits;
    static constexpr std::uint32_t kChunkMask = kChunk - 1;
    std::vector<std::vector<Record, HugePageAllocator<Record>>> records_;
    std::size_t count_ = 0;
    HashIndex<false> index_{1u << 16};
};

// States waiting to be expanded, by items so far plus bound; the last one pushed comes out
// first, which goes deep along the most promising line.
class Open {
  public:
    void Push(std::uint32_t f, std::uint32_t state) {
        if (f >= buckets_.size()) buckets_.resize(f + 1);
        buckets_[f].push_back(state);
        least_ = std::min(least_, f);
    }
    // The smallest sum waiting, or nothing.
    std::optional<std::uint32_t> Least() {
        while (least_ < buckets_.size() && buckets_[least_].empty()) ++least_;
        if (least_ < buckets_.size()) return least_;
        return std::nullopt;
    }
    std::uint32_t Pop() {
        auto& bucket = buckets_[least_];
        const std::uint32_t state = bucket.back();
        bucket.pop_back();
        return state;
    }
    std::size_t Bytes() const {
        std::size_t bytes = buckets_.capacity() * sizeof(buckets_[0]);
        for (const auto& bucket : buckets_) bytes += bucket.capacity() * sizeof(std::uint32_t);
        return bytes;
    }

  private:
    std::vector<std::vector<std::uint32_t>> buckets_;
    std::uint32_t least_ = 0;
};

Path PathTo(const Closed& closed, std::uint32_t state, Step last) {
    Path path;
    path.items.push_back(last.item);
    int specialAfterEnd = last.special ? 0 : -1;  // counted back from the end
    for (; closed[state].parent != kNoParent; state = closed[state].parent) {
        const Step step = Step::Of(closed[state].step);
        if (step.special) specialAfterEnd = static_cast<int>(path.items.size());
        path.items.push_back(step.item);
    }
    if (Step::Of(closed[state].step).special) specialAfterEnd = static_cast<int>(path.items.size());
    std::ranges::reverse(path.items);
    if (specialAfterEnd >= 0)
        path.specialAt = static_cast<int>(path.items.size()) - specialAfterEnd;
    return path;
}

// No plan a player could carry out takes this many items (it would be 400 presses of 10000).
// States whose sum reaches it are not kept, so that the waiting lists stay small; a search
// that left any out proves nothing beyond it.
constexpr int kFarthest = 1 << 22;

std::uint32_t Narrow(int bound) {
    return static_cast<std::uint32_t>(std::clamp(bound, 0, kFarthest));
}

class Search {
  public:
    Search(const SearchSpace& space, const BestFirstSettings& settings, SearchBudget& budget,
           BoundEvaluator& bound)
        : space_(space),
          settings_(settings),
          budget_(budget),
          bound_(bound),
          incumbent_(settings.incumbent) {}

    SearchOutcome Run(const MagCore& start, const ProgressFn& progress) {
        if (!Root(start, Step{})) return Outcome(SearchEnd::Memory, 0);
        if (SpecialUsable(space_.goal(), start) &&
            !Root(AfterSpecial(space_.goal(), start), Step{Step::kNoItem, true}))
            return Outcome(SearchEnd::Memory, 0);
        for (std::uint32_t expanded = 0;; ++expanded) {
            const std::optional<std::uint32_t> least = open_.Least();
            if (!least || static_cast<int>(*least) >= incumbent_) {
                if (leftFar_ && incumbent_ > kFarthest)
                    return Outcome(found_ ? SearchEnd::Found : SearchEnd::Work, kFarthest);
                return Outcome(found_ ? SearchEnd::Found : SearchEnd::Exhausted, incumbent_);
            }
            if (expanded % kCheckEvery == 0) {
                if (const auto end = budget_.Check(Bytes(), made_, settings_.work))
                    return Outcome(*end, static_cast<int>(*least));
                if (progress && settings_.work > 0)
                    progress(std::min(1.0, static_cast<double>(made_) / settings_.work));
            }
            const std::uint32_t state = open_.Pop();
            if (closed_[state].items + closed_[state].bound != *least)
                continue;  // reached again more cheaply
            if (Refine(state)) continue;
            if (!Expand(state)) return Outcome(SearchEnd::Memory, static_cast<int>(*least));
        }
    }

  private:
    std::size_t Bytes() const { return closed_.Bytes() + open_.Bytes(); }

    SearchOutcome Outcome(SearchEnd end, int lower) const { return {end, found_, lower}; }

    // A state that may be kept: false when the memory for it is not there.
    bool Room() const { return !closed_.Full() && budget_.Room(Bytes(), closed_.NextBytes()); }

    // Whether a state with this sum is beyond what is kept.
    bool Far(int sum) {
        if (sum < kFarthest) return false;
        leftFar_ = true;
        return true;
    }

    bool Root(const MagCore& m, Step step) {
        const int h = bound_.Items(m);
        if (h >= incumbent_ || Far(h)) return true;
        const PackedMag mag = space_.Pack(m);
        const std::uint64_t hash = SearchSpace::Hash(mag);
        if (closed_.Find(mag, hash)) return true;
        if (!Room()) return false;
        open_.Push(Narrow(h), closed_.Add({mag, kNoParent, 0, Narrow(h), step.Code()}, hash));
        return true;
    }

    // Before a state is expanded its bound is solved for it alone; a higher one sends it
    // back to wait, and the solution tightens its neighbours' bounds too. True when sent back.
    bool Refine(std::uint32_t state) {
        Record& r = closed_[state];
        if (r.step & kRefinedBit) return false;
        r.step |= kRefinedBit;
        const MagCore m = space_.Unpack(r.mag);
        const std::uint64_t key = BoundKeyOf(m, space_.goal().needsIqSynchro);
        if (space_.refinements().Wants(key)) {
            const std::size_t before = space_.refinements().Bytes();
            space_.refinements().Add(key, bound_.Refinement(m));
            budget_.Hold(static_cast<std::ptrdiff_t>(space_.refinements().Bytes() - before));
        }
        const int exact = bound_.Items(m);
        Record& again = closed_[state];
        if (exact <= static_cast<int>(again.bound)) return false;
        again.bound = Narrow(exact);
        const int sum = static_cast<int>(again.items) + exact;
        if (exact < kUnreachable && sum < incumbent_ && !Far(sum))
            open_.Push(again.items + again.bound, state);
        return true;
    }

    struct Child {
        MagCore mag;
        Step step;
        PackedMag packed;
        std::uint64_t hash;
    };

    // False when out of memory.
    bool Expand(std::uint32_t state) {
        const Record record = closed_[state];
        const int items = static_cast<int>(record.items) + 1;
        children_.clear();
        space_.ForEachChild(space_.Unpack(record.mag), [&](const MagCore& child, Step step) {
            const PackedMag mag = space_.Pack(child);
            const std::uint64_t hash = SearchSpace::Hash(mag);
            closed_.Prefetch(hash);
            children_.push_back({child, step, mag, hash});
        });
        made_ += children_.size();
        budget_.Spend(children_.size());
        for (const Child& c : children_) {
            if (Reached(space_.goal(), c.mag)) {
                if (items < incumbent_) {
                    incumbent_ = items;
                    found_ = PathTo(closed_, state, c.step);
                }
                continue;
            }
            // One item less than the parent's bound is a bound too: the parent reaches the
            // goal through the child (pathmax), which mends the program's weaker spots.
            const int inherited = static_cast<int>(record.bound) - 1;
            if (const auto known = closed_.Find(c.packed, c.hash)) {
                // A state met before is not bounded again: its record keeps the bound.
                Record& r = closed_[*known];
                r.bound = std::max(r.bound, Narrow(inherited));
                if (static_cast<int>(r.items) <= items ||
                    items + static_cast<int>(r.bound) >= incumbent_ ||
                    Far(items + static_cast<int>(r.bound)))
                    continue;
                r.items = static_cast<std::uint32_t>(items);
                r.parent = state;
                r.step = c.step.Code() | (r.step & kRefinedBit);
                open_.Push(r.items + r.bound, *known);
                continue;
            }
            // Only states below the plan in hand are kept: the table stays smaller, at the
            // price of bounding a cut state again when met again.
            const int h = std::max(bound_.Items(c.mag), inherited);
            if (h >= kUnreachable || items + h >= incumbent_ || Far(items + h)) continue;
            if (!Room()) return false;
            const std::uint32_t added = closed_.Add(
                {c.packed, state, static_cast<std::uint32_t>(items), Narrow(h), c.step.Code()},
                c.hash);
            open_.Push(static_cast<std::uint32_t>(items) + Narrow(h), added);
        }
        return true;
    }

    const SearchSpace& space_;
    const BestFirstSettings& settings_;
    SearchBudget& budget_;
    BoundEvaluator& bound_;
    Closed closed_;
    Open open_;
    int incumbent_;
    std::optional<Path> found_;
    std::vector<Child> children_;
    std::uint64_t made_ = 0;
    bool leftFar_ = false;  // a state was not kept for being too far
};

}  // namespace

SearchOutcome BestFirst(const SearchSpace& space, const MagCore& start,
                        const BestFirstSettings& settings, SearchBudget& budget,
                        BoundEvaluator& bound, const ProgressFn& progress) {
    return Search(space, settings, budget, bound).Run(start, progress);
}

}  // namespace toviran::planner
