#include "planner/lower_bound.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "planner/ordering_bound.h"

namespace toviran::planner {
namespace {

// Rounding in the solver stays far below this; a bound is rounded up only past it.
constexpr double kSlack = 1e-4;

int ToItems(double value) {
    if (value <= kSlack) return 0;
    if (value >= kUnreachable) return kUnreachable;
    return static_cast<int>(std::ceil(value - kSlack));
}

}  // namespace

Estimate Combine(double value, int byOrderings) {
    if (!(value < kUnreachable) || byOrderings >= kUnreachable) return {kUnreachable, kUnreachable};
    value = std::max({0.0, value, static_cast<double>(byOrderings)});
    return {ToItems(value), value};
}

Estimate LowerBound::Solve(const MagCore& m, SearchStats* stats) const {
    const int variants = Variants(context_, m);
    double best = std::numeric_limits<double>::infinity();
    std::array<int, 4> mostPerItem{};
    for (int v = 0; v < variants; ++v) {
        const LpModel model = BuildModel(context_, m, v);
        mostPerItem = model.mostPerItem;
        const auto started = std::chrono::steady_clock::now();
        const DualLp::Result solved = model.Lp().Solve(model.RightHandSide(m));
        if (stats != nullptr) {
            ++stats->lpSolves;
            stats->lpSeconds +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        }
        if (solved.feasible) best = std::min(best, solved.value - model.AuxCostAtMost());
    }
    return Combine(best, ItemsFor(RaisesFor(context_, m), m, mostPerItem));
}

}  // namespace toviran::planner
