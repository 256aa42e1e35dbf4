#include "planner/best_first.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "planner/huge_pages.h"

namespace toviran::planner {
namespace {

constexpr std::uint32_t kNoParent = 0xffffffffu;
constexpr std::uint8_t kNoItem = 0xf;
constexpr std::uint8_t kSpecialBit = 0x10;
constexpr std::uint8_t kRefinedBit = 0x20;  // the state's bound was solved for it alone
// The budget and the clock are looked at once per this many expanded states.
constexpr std::uint32_t kCheckEvery = 4096;

struct Record {
    PackedMag mag;
    std::uint32_t parent = kNoParent;
    std::uint16_t items = 0;  // items from the start on the best way known
    std::uint16_t bound = 0;  // the lower bound from here
    std::uint8_t step = kNoItem;
};

// Every state met, each once, with the best way to it known so far.
class Closed {
  public:
    Closed() : slots_(1u << 16) {}

    // Where the state is kept, if it is: its record's index, or the free slot it would take.
    struct Place {
        std::size_t slot;
        std::optional<std::uint32_t> index;
    };
    Place Find(const PackedMag& mag, std::uint64_t hash) {
        if ((count_ + 1) * 4 > slots_.size() * 3) Grow();
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.index == 0) return {i, std::nullopt};
            if (slot.tag == tag && (*this)[slot.index - 1].mag == mag) return {i, slot.index - 1};
        }
    }
    // The table outgrows the caches: asking for a slot's line ahead of time lets the
    // children of a state be looked up together instead of one memory wait at a time.
    void Prefetch(std::uint64_t hash) const {
        __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
    }
    // Then the record the slot points to, once the slot is in.
    void PrefetchRecord(std::uint64_t hash) const {
        const Slot& slot = slots_[hash & (slots_.size() - 1)];
        if (slot.index != 0) __builtin_prefetch(&(*this)[slot.index - 1]);
    }
    // Keeps a new state in the free slot Find gave (nothing else added since).
    std::uint32_t Add(std::size_t slot, const Record& record) {
        if ((count_ & kChunkMask) == 0) records_.emplace_back(kChunk);
        const auto index = static_cast<std::uint32_t>(count_++);
        (*this)[index] = record;
        slots_[slot] = {index + 1, static_cast<std::uint32_t>(SearchSpace::Hash(record.mag) >> 32)};
        return index;
    }
    std::size_t Count() const { return count_; }
    Record& operator[](std::uint32_t i) { return records_[i >> kChunkBits][i & kChunkMask]; }
    const Record& operator[](std::uint32_t i) const {
        return records_[i >> kChunkBits][i & kChunkMask];
    }
    std::size_t Bytes() const {
        return records_.size() * kChunk * sizeof(Record) + slots_.size() * sizeof(Slot);
    }

  private:
    struct Slot {
        std::uint32_t index = 0;  // the record's index + 1; 0 for a free slot
        std::uint32_t tag = 0;    // the hash's upper half, to skip most comparisons
    };
    void Grow() {
        std::vector<Slot, HugePageAllocator<Slot>> old = std::move(slots_);
        slots_.assign(old.size() * 2, Slot{});
        const std::size_t mask = slots_.size() - 1;
        for (const Slot& s : old) {
            if (s.index == 0) continue;
            std::size_t i = SearchSpace::Hash((*this)[s.index - 1].mag) & mask;
            while (slots_[i].index != 0) i = (i + 1) & mask;
            slots_[i] = s;
        }
    }
    // Records in fixed chunks, so that growing never copies them or holds two copies.
    static constexpr int kChunkBits = 18;
    static constexpr std::size_t kChunk = std::size_t{1} << kChunkBits;
    static constexpr std::uint32_t kChunkMask = kChunk - 1;
    std::vector<std::vector<Record, HugePageAllocator<Record>>> records_;
    std::size_t count_ = 0;
    std::vector<Slot, HugePageAllocator<Slot>> slots_;
};

// States waiting to be expanded, by items so far plus bound; the last one pushed comes out
// first, which goes deep along the most promising line.
class Open {
  public:
    void Push(int f, std::uint32_t state) {
        if (static_cast<std::size_t>(f) >= buckets_.size()) buckets_.resize(f + 1);
        buckets_[static_cast<std::size_t>(f)].push_back(state);
        least_ = std::min(least_, f);
    }
    // The smallest sum waiting, or -1 when nothing is.
    int Least() {
        while (static_cast<std::size_t>(least_) < buckets_.size() &&
               buckets_[static_cast<std::size_t>(least_)].empty())
            ++least_;
        return static_cast<std::size_t>(least_) < buckets_.size() ? least_ : -1;
    }
    std::uint32_t Pop() {
        auto& bucket = buckets_[static_cast<std::size_t>(least_)];
        const std::uint32_t state = bucket.back();
        bucket.pop_back();
        return state;
    }
    std::size_t Bytes() const {
        std::size_t bytes = 0;
        for (const auto& bucket : buckets_) bytes += bucket.capacity() * sizeof(std::uint32_t);
        return bytes;
    }

  private:
    std::vector<std::vector<std::uint32_t>> buckets_;
    int least_ = 0;
};

Path PathTo(Closed& closed, std::uint32_t state, Step last) {
    Path path;
    path.items.push_back(last.item);
    int specialAfterEnd = last.special ? 0 : -1;  // counted back from the end
    for (; closed[state].parent != kNoParent; state = closed[state].parent) {
        const std::uint8_t step = closed[state].step;
        if (step & kSpecialBit) specialAfterEnd = static_cast<int>(path.items.size());
        path.items.push_back(step & 0xf);
    }
    if (closed[state].step & kSpecialBit) specialAfterEnd = static_cast<int>(path.items.size());
    std::ranges::reverse(path.items);
    if (specialAfterEnd >= 0)
        path.specialAt = static_cast<int>(path.items.size()) - specialAfterEnd;
    return path;
}

}  // namespace

SearchOutcome BestFirst(const SearchSpace& space, const MagCore& start,
                        const BestFirstSettings& settings, SearchBudget& budget,
                        const ProgressFn& progress) {
    LowerBound::Evaluator bound(space.bound());
    Closed closed;
    Open open;
    int incumbent = settings.incumbent;
    std::optional<Path> found;
    const auto root = [&](const MagCore& m, std::uint8_t step) {
        const int h = bound.Items(m);
        if (h >= incumbent) return;
        const PackedMag mag = space.Pack(m);
        const Closed::Place place = closed.Find(mag, SearchSpace::Hash(mag));
        if (place.index) return;
        open.Push(h,
                  closed.Add(place.slot, {mag, kNoParent, 0, static_cast<std::uint16_t>(h), step}));
    };
    root(start, kNoItem);
    if (SpecialUsable(space.goal(), start))
        root(AfterSpecial(space.goal(), start), kNoItem | kSpecialBit);

    struct Child {
        MagCore mag;
        Step step;
        PackedMag packed;
        std::uint64_t hash;
    };
    std::vector<Child> children;
    std::uint64_t made = 0;
    for (std::uint32_t expanded = 0;; ++expanded) {
        const int least = open.Least();
        if (least < 0 || least >= incumbent)
            return {found ? SearchEnd::Found : SearchEnd::Exhausted, found, incumbent};
        if (expanded % kCheckEvery == 0) {
            const std::size_t bytes = closed.Bytes() + open.Bytes() + bound.Solved() * 256;
            if (const auto end = budget.Check(bytes, made, settings.work))
                return {*end, found, least};
            if (progress && settings.work > 0)
                progress(std::min(1.0, static_cast<double>(made) / settings.work));
        }
        const std::uint32_t state = open.Pop();
        if (closed[state].items + closed[state].bound != least)
            continue;  // reached again more cheaply
        // Before a state is expanded its bound is solved for it alone; a higher one sends it
        // back to wait, and the solution tightens its neighbours' bounds too.
        if (!(closed[state].step & kRefinedBit)) {
            Record& r = closed[state];
            r.step |= kRefinedBit;
            const int exact = bound.Refine(space.Unpack(r.mag)).items;
            if (exact > r.bound) {
                r.bound = static_cast<std::uint16_t>(std::min(exact, 0xffff));
                if (exact < kUnreachable && r.items + exact < incumbent)
                    open.Push(r.items + exact, state);
                continue;
            }
        }
        const Record record = closed[state];
        const int items = record.items + 1;
        children.clear();
        space.ForEachChild(space.Unpack(record.mag), [&](const MagCore& child, Step step) {
            const PackedMag mag = space.Pack(child);
            const std::uint64_t hash = SearchSpace::Hash(mag);
            closed.Prefetch(hash);
            children.push_back({child, step, mag, hash});
        });
        const std::uint64_t madeHere = children.size();
        for (const Child& c : children) closed.PrefetchRecord(c.hash);
        for (const Child& c : children) {
            if (Reached(space.goal(), c.mag)) {
                if (items < incumbent) {
                    incumbent = items;
                    found = PathTo(closed, state, c.step);
                }
                continue;
            }
            // A state met before is not bounded again: its record keeps the bound.
            const auto code =
                static_cast<std::uint8_t>(c.step.item | (c.step.special ? kSpecialBit : 0));
            // One item less than the parent's bound is a bound too: the parent reaches the
            // goal through the child (pathmax), which mends the program's weaker spots.
            const int inherited = record.bound - 1;
            const Closed::Place place = closed.Find(c.packed, c.hash);
            if (place.index) {
                Record& known = closed[*place.index];
                known.bound = static_cast<std::uint16_t>(std::max<int>(known.bound, inherited));
                if (known.items <= items || items + known.bound >= incumbent) continue;
                known.items = static_cast<std::uint16_t>(items);
                known.parent = state;
                known.step = code;
                open.Push(items + known.bound, *place.index);
                continue;
            }
            // Only states below the plan in hand are kept: the table stays smaller, at the
            // price of bounding a cut state again when met again.
            const int h = std::max(bound.Items(c.mag), inherited);
            if (h >= kUnreachable || items + h >= incumbent) continue;
            open.Push(items + h,
                      closed.Add(place.slot, {c.packed, state, static_cast<std::uint16_t>(items),
                                              static_cast<std::uint16_t>(h), code}));
        }
        made += madeHere;
        budget.Spend(madeHere);
    }
}

}  // namespace toviran::planner
