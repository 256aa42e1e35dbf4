#pragma once
// A proven lower bound on the items still needed to reach a goal: no feeding from the mag
// reaches the goal with fewer. The searches cut states with it and the plan reports it to
// the player, so every part of it must hold for every feeding, never only for likely ones.
//
// Its main part is the linear program of lp_model.h; beside it, the orderings the
// evolutions ahead must see (ordering_bound.h). The program's dual solution for one set of
// stat levels bounds every mag with those levels, so each set is solved once and then
// evaluated in a few multiplications (bound_cache.h).
#include <limits>

#include "planner/lp_model.h"
#include "planner/plan.h"

namespace toviran::planner {

inline constexpr int kUnreachable = std::numeric_limits<int>::max() / 4;

// What the bound says of a mag: `items` is proven (the searches prune and prove with it);
// `value` is the program's unrounded value, which tells apart mags that round to the same
// number of items (only the ranking uses it).
struct Estimate {
    int items = 0;
    double value = 0;
};

// The program's value with the orderings' items, rounded up to a proven number of items.
Estimate Combine(double value, int byOrderings);

// A dual's value is trusted for rounding up only while the rounding of its evaluation in
// doubles, as RoundingAtMost bounds it for every mag of its key, is within this.
bool SlackCovers(double rounding);
// The most roundings one term of a dual's bound passes past the program's rows, from the
// dual's rounding to a double to the sum in LinearBound::At.
inline constexpr int kRoundingsPastRows = 16;

class LowerBound {
  public:
    LowerBound(const Goal& goal, CharacterClass cls, SectionIdParity parity, ItemSet items)
        : context_{goal, cls, parity, items} {}

    const BoundContext& context() const { return context_; }
    const Goal& goal() const { return context_.goal; }

    // Solved for this mag alone, keeping nothing: for one-off questions.
    Estimate Solve(const MagCore& m, SearchStats* stats = nullptr) const;

    // The linear programs that bound `m`, one per variant of the goal, with their right-hand
    // sides: the solver's own tests check it on them.
    struct LinearProgram {
        DualLp lp;
        std::vector<double> b;
    };
    std::vector<LinearProgram> Programs(const MagCore& m) const;

  private:
    BoundContext context_;
};

}  // namespace toviran::planner
