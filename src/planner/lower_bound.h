#pragma once
// A proven lower bound on the items still needed to reach a goal: no feeding from the mag
// reaches the goal with fewer. The searches cut states with it and the plan reports it to
// the player, so every part of it must hold for every feeding, never only for likely ones.
//
// Its main part is a linear program over the phases ahead (feed_phases.h): how many items
// of each row, with the negative deltas free to be cancelled, can bring each stat, the
// level, IQ and synchro to what the goal needs, without passing the goal's stats and
// level. Its dual solution for one set of stat levels bounds every mag with those levels,
// so each is solved once and then evaluated in a few multiplications.
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "planner/dual_simplex.h"
#include "planner/goal.h"
#include "planner/lp_certificate.h"

namespace toviran::planner {

inline constexpr int kUnreachable = std::numeric_limits<int>::max() / 4;

class LowerBound {
    // The linear program for a mag and one variant of the goal, with the mag's numbers as
    // the right-hand side.
    struct Program;
    // The levels each stat must still gain for an evolution ahead, one set per ordering
    // that gives the form; `free` when it asks nothing of this mag.
    struct Raises {
        bool free = true;
        std::vector<std::array<std::int16_t, 4>> options;
    };

  public:
    LowerBound(const Goal& goal, CharacterClass cls, SectionIdParity parity, ItemSet items);

    // Each searching thread bounds through one of these: they keep what they have solved.
    // Every evaluator gives the same number for the same mag, whatever it has seen before.
    class Evaluator {
      public:
        explicit Evaluator(const LowerBound& bound) : bound_(&bound) {}
        // At least this many more items; kUnreachable when no feeding reaches the goal.
        int Items(const MagCore& m) { return Evaluate(m).items; }
        // The same with the unrounded value of the program, which tells apart mags that
        // round to the same number of items.
        struct Estimate {
            int items = 0;
            double value = 0;
        };
        Estimate Evaluate(const MagCore& m);
        // The program solved for this mag itself (exact), its solution kept for the mags
        // that share its key, while the key has had fewer than kRefinements. A search calls
        // it for the mags it is about to expand: their neighbours then bound much closer
        // to the exact value than from the key's canonical solutions alone.
        Estimate Refine(const MagCore& m);
        std::size_t Solved() const { return entries_.size(); }
        static constexpr int kRefinements = 6;

      private:
        struct Linear {
            // items >= constant + sum(stat[k] * progress k) + iq * IQ + synchro * synchro, for
            // the mags of one key (one set of stat levels)
            double constant = 0;
            std::array<double, 4> stat{};
            double iq = 0;
            double synchro = 0;
            // Its terms' absolute values added up at the largest numbers of the key's mags:
            // what the rounding of At is bounded by.
            double magnitude = 0;
            double At(const MagCore& m) const;
        };
        struct Entry {
            // One per variant of the goal; the least holds.
            struct Variant {
                std::vector<Linear> duals;        // each a bound; the largest holds
                std::vector<IntegerLinear> rays;  // any above zero: the variant cannot be met
            };
            std::vector<Variant> variants;
            int refinements = 0;
            std::array<int, 4> mostPerItem{};  // the most one item adds to each stat
            Raises last;  // what the evolutions still ahead ask, and a special item
            Raises second;
            Raises requirement;
        };
        Entry& EntryFor(const MagCore& m, std::uint64_t key);
        // Solves every variant for `m` and keeps the solutions in the entry.
        void AddSolutions(Entry& entry, const MagCore& m, const MagCore& at) const;
        static Linear LinearOf(const Program& program, const std::vector<double>& u,
                               const StatArray& levels);
        static double FromEntry(const Entry& entry, const MagCore& m);

        // Open addressing from key to entry: looked up for every state the searches make.
        struct Slot {
            std::uint64_t key = 0;
            std::uint32_t entry = 0;  // index + 1; 0 for a free slot
        };
        const LowerBound* bound_;
        std::vector<Entry> entries_;
        std::vector<Slot> slots_;
        std::uint64_t lastKey_ = 0;
        std::uint32_t lastEntry_ = 0;  // index + 1 of the entry of lastKey_; 0 for none
    };

    // The same without keeping anything: for one-off questions.
    int Items(const MagCore& m) const { return Solve(m).items; }

    // The linear programs that bound `m`, one per variant of the goal, with their right-hand
    // sides: the solver's own tests check it on them.
    struct LinearProgram {
        DualLp lp;
        std::vector<double> b;
    };
    std::vector<LinearProgram> Programs(const MagCore& m) const;

  private:
    friend class Evaluator;
    Raises RaisesFor(const MagCore& m, const Judgement& j) const;
    Raises RequirementRaises(const MagCore& m) const;
    static int ItemsFor(const Raises& raises, const MagCore& m, const std::array<int, 4>& most);
    Program Build(const MagCore& m, int variant) const;
    // The programs whose least value bounds the mag: one per group of orderings each
    // evolution ahead may see.
    struct VariantCounts {
        int finals = 1;   // which group of orderings the final levels are in
        int seconds = 1;  // which group the levels at the second evolution are in
    };
    VariantCounts CountVariants(const MagCore& m) const;
    int Variants(const MagCore& m) const;
    bool AsksFinalLevels(const MagCore& m) const;
    bool AsksSecondLevels(const MagCore& m) const;
    const Judgement* SecondAhead(const MagCore& m) const;
    // When an evolution is judged: the levels it may see, the items fed before it (those
    // fed below this level), and the progress a stat holds at most right after it.
    struct JudgedWhen {
        int levelAtLeast;
        int levelAtMost;
        int fedBelow;
        int heldAtMost;
        bool atEnd;  // judged on the final levels: the stats' gains to the end decide them
    };
    void AddJudgedLevels(Program& p, int set, const OrderingOption& o, const MagCore& m,
                         const JudgedWhen& when) const;
    Evaluator::Estimate Solve(const MagCore& m) const;
    int ByOrderings(const MagCore& m, const std::array<int, 4>& mostPerItem) const;

    Goal goal_;
    CharacterClass cls_;
    SectionIdParity parity_;
    ItemSet items_;
};

}  // namespace toviran::planner
