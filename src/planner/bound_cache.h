#pragma once
// The lower bound as the searches ask it, millions of times: the linear program is solved
// once per key (the form, rareness and stat levels, and IQ and synchro roughly when the goal
// asks about them), at canonical numbers, and its dual solutions are kept as linear
// functions of the rest (the stats' progress, IQ, synchro), which bound every mag of the
// key. Solutions for single mags about to be expanded (refinements) sharpen the bound of the
// mags around them.
//
// Each state's bound must depend on the state alone, and on nothing a thread happens to
// have seen: the canonical solutions are a function of the key, and the refinements live in
// a store that changes only between the searches' steps, in a fixed order.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "planner/hash_index.h"
#include "planner/lower_bound.h"
#include "planner/lp_certificate.h"
#include "planner/ordering_bound.h"
#include "planner/search_budget.h"

namespace toviran::planner {

// items >= constant + sum(stat[k] * progress k) + iq * IQ + synchro * synchro, for the mags
// of one key.
struct LinearBound {
    double constant = 0;
    std::array<double, 4> stat{};
    double iq = 0;
    double synchro = 0;
    // Its terms' absolute values added up at the largest numbers of the key's mags: what the
    // rounding of At is bounded by.
    double magnitude = 0;
    double At(const MagCore& m) const {
        return constant + stat[0] * m.progress[0] + stat[1] * m.progress[1] +
               stat[2] * m.progress[2] + stat[3] * m.progress[3] + iq * m.iq + synchro * m.synchro;
    }
};

// What the program proves for the mags of one key, per variant of the goal (the least
// holds): each dual a bound (the largest holds); any ray above zero: the variant cannot be
// met.
struct VariantSolutions {
    std::vector<LinearBound> duals;
    std::vector<IntegerLinear> rays;  // checked exactly, and decided exactly for each mag
};
using Solutions = std::vector<VariantSolutions>;

std::uint64_t BoundKeyOf(const MagCore& m, bool iqSynchro);

// Solves every variant of the program for `at`, a mag of `m`'s key; tells the most one item
// ahead adds to each stat.
Solutions SolveKey(const BoundContext& c, const MagCore& m, const MagCore& at, SearchStats& stats,
                   std::array<int, 4>* mostPerItem = nullptr);

// The refinements shared by the searches of one plan, by key, at most kRefinements each.
class RefinementStore {
  public:
    static constexpr int kRefinements = 6;
    // Whether a refinement of this key would still be kept.
    bool Wants(std::uint64_t key) const;
    void Add(std::uint64_t key, Solutions solutions);
    // The refinements of the key, or null.
    const std::vector<Solutions>* For(std::uint64_t key) const;
    std::size_t Bytes() const { return bytes_; }

  private:
    struct Entry {
        std::uint64_t key;
        std::vector<Solutions> refinements;
    };
    std::vector<Entry> entries_;
    HashIndex<false> index_;
    std::size_t bytes_ = 0;
};

// One thread's view of the bound: its own cache of each key's canonical solutions, and the
// store's refinements. Counts the memory it holds into the budget.
class BoundEvaluator {
  public:
    BoundEvaluator(const LowerBound& bound, const RefinementStore& store, SearchBudget& budget);
    ~BoundEvaluator();
    BoundEvaluator(const BoundEvaluator&) = delete;
    BoundEvaluator& operator=(const BoundEvaluator&) = delete;

    Estimate Evaluate(const MagCore& m);
    int Items(const MagCore& m) { return Evaluate(m).items; }
    // The program solved for this mag itself, to be added to the store.
    Solutions Refinement(const MagCore& m);
    const SearchStats& stats() const { return stats_; }

  private:
    struct Entry {
        std::uint64_t key;
        Solutions canonical;
        std::array<int, 4> mostPerItem{};  // the most one item adds to each stat
        RaisesAhead raises;
    };
    const Entry& EntryFor(const MagCore& m, std::uint64_t key);
    static std::size_t BytesOf(const Entry& entry);

    const LowerBound& bound_;
    const RefinementStore& store_;
    SearchBudget& budget_;
    std::vector<Entry> entries_;
    HashIndex<false> index_;
    std::uint64_t lastKey_ = 0;
    std::uint32_t lastEntry_ = 0;  // index + 1 of the entry of lastKey_; 0 for none
    std::size_t bytes_ = 0;
    SearchStats stats_;
};

}  // namespace toviran::planner
