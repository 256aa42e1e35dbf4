// The planner's dual simplex against a reference solver, COIN-OR's CLP: on random programs
// (feasible, infeasible and degenerate, some shaped like the planner's) and on the programs
// the planner builds for mags along random feedings. Wherever the solver answers, the answer
// must be one CLP agrees with and one that holds exactly: the optimum, a dual solution that
// meets every column's cost in exact arithmetic, and a ray that proves infeasibility in
// integers.
#include <gtest/gtest.h>

#include <ClpSimplex.hpp>
#include <cmath>
#include <iomanip>
#include <random>
#include <variant>

#include "planner/dual_simplex.h"
#include "planner/goal.h"
#include "planner/lower_bound.h"
#include "planner_checks.h"

namespace toviran::planner {
namespace {

using Wide = __int128;

struct Reference {
    bool feasible = false;
    double value = 0;
};

Reference SolveWithClp(const DualLp& lp, const std::vector<double>& b) {
    std::vector<int> start{0};
    std::vector<int> index;
    std::vector<double> value;
    std::vector<double> cost;
    for (int c = 0; c < lp.Columns(); ++c) {
        for (int r = 0; r < lp.Rows(); ++r) {
            if (lp.Get(r, c) == 0) continue;
            index.push_back(r);
            value.push_back(lp.Get(r, c));
        }
        start.push_back(static_cast<int>(index.size()));
        cost.push_back(lp.Cost(c));
    }
    const std::vector<double> columnLow(static_cast<std::size_t>(lp.Columns()), 0.0);
    const std::vector<double> columnHigh(static_cast<std::size_t>(lp.Columns()), COIN_DBL_MAX);
    const std::vector<double> rowHigh(static_cast<std::size_t>(lp.Rows()), COIN_DBL_MAX);
    ClpSimplex model;
    model.setLogLevel(0);
    model.setPrimalTolerance(1e-10);
    model.setDualTolerance(1e-12);
    model.loadProblem(lp.Columns(), lp.Rows(), start.data(), index.data(), value.data(),
                      columnLow.data(), columnHigh.data(), cost.data(), b.data(), rowHigh.data());
    model.dual();
    EXPECT_TRUE(model.isProvenOptimal() || model.isProvenPrimalInfeasible()) << model.status();
    return {model.isProvenOptimal(), model.objectiveValue()};
}

// A^T y <= c with y >= 0 for y = parts 2^-shift, over the reals: every product and sum in
// integers, the cost scaled by the same power of two (exact in a double) and compared with
// its floor.
::testing::AssertionResult DualHoldsExactly(const DualLp& lp, const DyadicVector& y) {
    for (const Wide part : y.parts)
        if (part < 0) return ::testing::AssertionFailure() << "a negative dual";
    for (int c = 0; c < lp.Columns(); ++c) {
        Wide dot = 0;
        for (int r = 0; r < lp.Rows(); ++r)
            dot += static_cast<Wide>(y.parts[static_cast<std::size_t>(r)]) *
                   static_cast<std::int64_t>(lp.Get(r, c));
        const double limit = std::ldexp(lp.Cost(c), y.shift);
        if (limit < 0x1p120 && dot > static_cast<Wide>(std::floor(limit)))
            return ::testing::AssertionFailure() << "column " << c << " over its cost";
    }
    return ::testing::AssertionSuccess();
}

// r >= 0, A^T r <= 0 and b.r > 0, in integers.
::testing::AssertionResult RayProvesInfeasible(const DualLp& lp, const std::vector<double>& b,
                                               const std::vector<std::int64_t>& r) {
    if (r.size() != static_cast<std::size_t>(lp.Rows()))
        return ::testing::AssertionFailure() << "no ray";
    Wide value = 0;
    for (int i = 0; i < lp.Rows(); ++i) {
        if (r[static_cast<std::size_t>(i)] < 0) return ::testing::AssertionFailure() << "r < 0";
        value += static_cast<Wide>(r[static_cast<std::size_t>(i)]) *
                 static_cast<std::int64_t>(b[static_cast<std::size_t>(i)]);
    }
    if (value <= 0) return ::testing::AssertionFailure() << "b.r <= 0";
    for (int c = 0; c < lp.Columns(); ++c) {
        Wide dot = 0;
        for (int i = 0; i < lp.Rows(); ++i)
            dot += static_cast<Wide>(r[static_cast<std::size_t>(i)]) *
                   static_cast<std::int64_t>(lp.Get(i, c));
        if (dot > 0) return ::testing::AssertionFailure() << "column " << c << " of A^T r > 0";
    }
    return ::testing::AssertionSuccess();
}

// b.y for the exact dual, to within a long double's rounding.
long double ExactValue(const DyadicVector& y, const std::vector<double>& b) {
    Wide sum = 0;
    for (std::size_t r = 0; r < b.size(); ++r)
        sum += static_cast<Wide>(y.parts[r]) * static_cast<std::int64_t>(b[r]);
    return std::ldexp(static_cast<long double>(sum), -y.shift);
}

struct Tally {
    int solved = 0;
    int infeasible = 0;
    int raysDropped = 0;
};

// One program, both ways: the checks every answer must pass.
void Compare(const DualLp& lp, const std::vector<double>& b, Tally& tally) {
    const DualLp::Result ours = lp.Solve(b);
    const Reference clp = SolveWithClp(lp, b);
    ++tally.solved;
    tally.raysDropped += ours.raysDropped;
    EXPECT_TRUE(DualHoldsExactly(lp, ours.exactDual));
    EXPECT_LE(std::fabs(static_cast<long double>(ours.value) - ExactValue(ours.exactDual, b)),
              ours.valueRounding);
    if (!ours.feasible) {
        ++tally.infeasible;
        EXPECT_TRUE(RayProvesInfeasible(lp, b, ours.ray));
        EXPECT_FALSE(clp.feasible) << "CLP finds an optimum of " << clp.value;
        return;
    }
    if (!clp.feasible) {
        EXPECT_EQ(ours.raysDropped, 1) << "infeasible for CLP, with no ray here";
        return;
    }
    // A bound, so never above the optimum; below it by no more than the method's tolerance
    // and the scale-down that makes the dual hold exactly.
    const double scale = std::max(1.0, std::fabs(clp.value));
    EXPECT_LE(ours.value, clp.value + 1e-8 * scale);
    EXPECT_GE(ours.value, clp.value - 1e-8 * scale) << std::setprecision(17) << ours.value;
}

// A random program: `shape` 0 small entries, 1 degenerate (zero and repeated rows, parallel
// columns), 2 infeasible by a contradicting pair of rows, 3 like the planner's (item columns
// with deltas and cost 1, and gain columns with +-1 and +-100 that cost next to nothing).
struct RandomProgram {
    DualLp lp;
    std::vector<double> b;
};

RandomProgram MakeRandom(std::mt19937& rng, int shape) {
    const auto pick = [&rng](int lo, int hi) {
        return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1));
    };
    const int rows = pick(1, 14);
    const int items = pick(1, 12);
    const int gains = shape == 3 ? pick(1, 4) : 0;
    RandomProgram p{DualLp(rows, items + gains), std::vector<double>(rows)};
    for (int r = 0; r < rows; ++r) {
        if (shape == 1 && r > 0 && rng() % 3 == 0) {  // a repeated row
            const int from = pick(0, r - 1);
            for (int c = 0; c < items + gains; ++c) p.lp.Set(r, c, p.lp.Get(from, c));
            p.b[static_cast<std::size_t>(r)] = p.b[static_cast<std::size_t>(from)];
            continue;
        }
        for (int c = 0; c < items; ++c)
            if (rng() % 2) p.lp.Set(r, c, shape == 3 ? pick(-10, 30) : pick(-3, 3));
        for (int c = items; c < items + gains; ++c) {
            static constexpr double kGainEntries[] = {0, 0, 1, -1, 100, -100};
            p.lp.Set(r, c, kGainEntries[rng() % 6]);
        }
        p.b[static_cast<std::size_t>(r)] =
            shape == 1 && rng() % 2 ? 0 : (shape == 3 ? pick(-3000, 3000) : pick(-10, 10));
    }
    if (shape == 1 && items > 1)  // a column parallel to another
        for (int r = 0; r < rows; ++r) p.lp.Set(r, items - 1, 2 * p.lp.Get(r, 0));
    if (shape == 2 && rows > 1) {  // row 1 asks below what row 0 asks above
        for (int c = 0; c < items + gains; ++c) p.lp.Set(1, c, -p.lp.Get(0, c));
        p.b[1] = -p.b[0] + pick(1, 5);
    }
    for (int c = 0; c < items; ++c) p.lp.SetCost(c, pick(1, 5));
    for (int c = items; c < items + gains; ++c) p.lp.SetCost(c, 1e-8);
    return p;
}

TEST(DualLp, AgreesWithClpOnRandomPrograms) {
    std::mt19937 rng(20261208);
    Tally tally;
    for (int i = 0; i < 4000; ++i) {
        const RandomProgram p = MakeRandom(rng, i % 4);
        Compare(p.lp, p.b, tally);
    }
    EXPECT_GT(tally.infeasible, 400);
    EXPECT_LT(tally.infeasible, 3600);
    // A random program's ray can need a denominator past what doubles tell apart (its basis's
    // determinant): such a ray is dropped, rarely.
    EXPECT_LE(tally.raysDropped * 200, tally.infeasible);
}

// The planner's programs for the mags along a random feeding, bounded against where another
// random feeding from the same start ends: some of them cannot get there.
TEST(DualLp, AgreesWithClpOnThePlannersPrograms) {
    std::mt19937 rng(20261209);
    Tally tally;
    for (int i = 0; i < 24 / checks::kCaseDivisor; ++i) {
        const CharacterClass cls = checks::kClasses[rng() % 3];
        const SectionIdParity parity = checks::kParities[rng() % 2];
        const MagCore start = rng() % 2 ? checks::RandomlyFedMag(rng, parity, 40) : MagCore{};
        const int level = std::min(150, start.level + 10 + static_cast<int>(rng() % 100));
        const checks::Feeding feeding = checks::RandomFeeding(rng, start, cls, parity, level);
        const checks::Feeding other = checks::RandomFeeding(rng, start, cls, parity, level);
        PlanRequest request;
        request.characterClass = cls;
        request.parity = parity;
        request.start = checks::StateOf(start);
        const MagCore& end = other.mags.back();
        request.target = {end.form, end.level};
        switch (rng() % 3) {
            case 0:
                request.target.stats = Target::Exactly(end.statLevel);
                break;
            case 1:
                request.target.stats = checks::Loosened(rng, end.statLevel);
                break;
            default:
                break;
        }
        const auto goal = MakeGoal(request, start);
        if (!std::holds_alternative<Goal>(goal)) continue;
        for (const Goal& route : Routes(std::get<Goal>(goal), start, cls)) {
            const LowerBound bound(route, cls, parity, kAllItems);
            for (std::size_t at = 0; at < feeding.mags.size(); at += 7)
                for (const auto& [lp, b] : bound.Programs(feeding.mags[at])) Compare(lp, b, tally);
        }
    }
    EXPECT_GT(tally.solved, 500);
    EXPECT_GT(tally.infeasible, 20);
    EXPECT_EQ(tally.raysDropped, 0);
}

// A ray is only kept when it proves what it says: one that is off, or from the wrong
// program, is dropped however close it looks, and then the solve proves nothing.
TEST(DualLp, RaysThatProveNothingAreDropped) {
    // x0 - x1 >= 1 and -x0 + x1 >= 0: their sum says 0 >= 1.
    DualLp lp(2, 2);
    lp.Set(0, 0, 1);
    lp.Set(0, 1, -1);
    lp.Set(1, 0, -1);
    lp.Set(1, 1, 1);
    const std::vector<double> b{1, 0};
    EXPECT_EQ(ExactRay(lp, b, {0.5 + 1e-13, 0.5}), (std::vector<std::int64_t>{1, 1}));
    EXPECT_TRUE(ExactRay(lp, b, {1, 0.9}).empty());     // A^T r has a part above 0
    EXPECT_TRUE(ExactRay(lp, {0, 0}, {1, 1}).empty());  // b.r = 0
    // x0 >= 1 and -x0 / 2 >= 0 cannot both hold, but an entry that is not an integer cannot be
    // checked: the solve then counts as feasible, its value still a bound.
    DualLp halves(2, 1);
    halves.Set(0, 0, 1);
    halves.Set(1, 0, -0.5);
    const DualLp::Result solved = halves.Solve({1, 0});
    EXPECT_EQ(solved.raysChecked, 1);
    EXPECT_EQ(solved.raysDropped, 1);
    EXPECT_TRUE(solved.feasible);
    EXPECT_TRUE(solved.ray.empty());
}

// Duals a hair over their costs, as the simplex leaves them, are scaled to hold exactly, and
// no further than that: where a cost is tiny, a hair is a lot.
TEST(DualLp, DualsAreMadeToHoldExactly) {
    // y0 + y1 <= 1 and y0 - y1 <= 1e-8, both over by 1e-17: the second decides.
    DualLp lp(2, 2);
    lp.Set(0, 0, 1);
    lp.Set(1, 0, 1);
    lp.Set(0, 1, 1);
    lp.Set(1, 1, -1);
    lp.SetCost(1, 1e-8);
    const long double y0 = 0.5L + 5e-9L + 1e-17L, y1 = 0.5L - 5e-9L;
    const DyadicVector y = MakeDualFeasible(lp, {y0, y1});
    EXPECT_TRUE(DualHoldsExactly(lp, y));
    const std::vector<double> d = y.Doubles();
    EXPECT_NEAR(d[0] + d[1], (y0 + y1) * static_cast<long double>(1e-8) / (y0 - y1), 1e-15);
    lp.Set(0, 0, 0.5);  // an entry not an integer: nothing can be checked
    EXPECT_EQ(MakeDualFeasible(lp, {0.5L, 0.5L}).Doubles(), (std::vector<double>{0, 0}));
}

}  // namespace
}  // namespace toviran::planner
