#include "planner/lower_bound.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "planner/ordering_bound.h"

namespace toviran::planner {
namespace {

// A bound is rounded up only past this, which covers its evaluation in doubles: the dual is
// exact (lp_certificate.h), and a dual is kept only while the rounding of its value, as
// RoundingAtMost bounds it, is within half of this for every mag of its key. The value then
// loses at most a rounding of its own below kUnreachable (2^-23) taking off the costs of the
// gain and level columns, and ToItems one more: a true bound v' >= v - kSlack gives at least
// ceil(v - kSlack) items.
constexpr double kSlack = 1e-4;

int ToItems(double value) {
    if (value <= kSlack) return 0;
    if (value >= kUnreachable) return kUnreachable;
    return static_cast<int>(std::ceil(value - kSlack));
}

}  // namespace

bool SlackCovers(double rounding) {
    return rounding <= kSlack / 2;
}

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
        if (stats != nullptr) {
            stats->raysChecked += static_cast<std::uint64_t>(solved.raysChecked);
            stats->raysDropped += static_cast<std::uint64_t>(solved.raysDropped);
        }
        if (solved.feasible)
            best = std::min(best, SlackCovers(solved.valueRounding)
                                      ? solved.value - model.AuxCostAtMost()
                                      : 0.0);
    }
    return Combine(best, ItemsFor(RaisesFor(context_, m), m, mostPerItem));
}

std::vector<LowerBound::LinearProgram> LowerBound::Programs(const MagCore& m) const {
    std::vector<LinearProgram> programs;
    for (int v = 0; v < Variants(context_, m); ++v) {
        const LpModel model = BuildModel(context_, m, v);
        programs.push_back({model.Lp(), model.RightHandSide(m)});
    }
    return programs;
}

}  // namespace toviran::planner
