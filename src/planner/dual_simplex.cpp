#include "planner/dual_simplex.h"

#include <algorithm>
#include <cmath>

namespace toviran::planner {
namespace {

constexpr double kEps = 1e-9;
// Rounds of refinement on the final basis (RefineOnBasis).
constexpr int kRefinements = 2;

}  // namespace

DualLp::DualLp(int rows, int columns)
    : rows_(rows),
      columns_(columns),
      a_(static_cast<std::size_t>(rows * columns), 0.0),
      cost_(static_cast<std::size_t>(columns), 1.0) {}

// Refines v towards B^T v = rhs for the final basis B (columns of [-A | I]): the dual
// solution, B^T y = -c_B (each basic column j of A meets its cost, A_j^T y = c_j, and each row
// whose surplus is basic has y_i = 0), and the ray, B^T u = e_leave (the tableau's row). The
// tableau's numbers carry the rounding of every pivot, around 1e-13, which the gain and level
// columns' costs of 1e-8 would magnify into a scale-down of the bound by 1e-6 to 1e-4, and
// which blurs the ray's fractions. Its surplus columns hold B^-1, so each round is a
// residual, in long double, and a product with it.
std::vector<long double> DualLp::RefineOnBasis(const std::vector<double>& tableau,
                                               const std::vector<int>& basic,
                                               const std::vector<long double>& rhs,
                                               std::vector<long double> v) const {
    const auto m = static_cast<std::size_t>(rows_);
    const std::size_t stride = static_cast<std::size_t>(columns_ + rows_) + 1;
    for (int round = 0; round < kRefinements; ++round) {
        std::vector<long double> residual = rhs;
        for (std::size_t p = 0; p < m; ++p) {
            const int k = basic[p];
            if (k >= columns_) {
                residual[p] -= v[static_cast<std::size_t>(k - columns_)];
                continue;
            }
            for (int i = 0; i < rows_; ++i)
                if (const double a = Get(i, k); a != 0)
                    residual[p] += a * v[static_cast<std::size_t>(i)];
        }
        // The step is tiny next to v: doubles carry it well enough, and fast.
        std::vector<double> step(m, 0.0);
        for (std::size_t p = 0; p < m; ++p) {
            const auto r = static_cast<double>(residual[p]);
            if (r == 0) continue;
            const double* inverse = &tableau[p * stride + static_cast<std::size_t>(columns_)];
            for (std::size_t i = 0; i < m; ++i) step[i] += inverse[i] * r;
        }
        for (std::size_t i = 0; i < m; ++i) v[i] += step[i];
    }
    return v;
}

// The tableau holds the rows as  s_i - sum_j a_ij x_j = -b_i  with the surplus s_i basic at
// first, and the reduced costs in `cost`. Every basis it passes through is dual feasible,
// so even a solve cut short leaves a usable dual solution; the cap only guards against
// cycling on degenerate rows.
DualLp::Result DualLp::Solve(const std::vector<double>& b) const {
    const int m = rows_;
    const int width = columns_ + rows_;
    std::vector<double> t(static_cast<std::size_t>(m) * static_cast<std::size_t>(width + 1));
    const auto at = [&](int r, int c) -> double& {
        return t[static_cast<std::size_t>(r) * static_cast<std::size_t>(width + 1) +
                 static_cast<std::size_t>(c)];
    };
    for (int r = 0; r < m; ++r) {
        for (int c = 0; c < columns_; ++c) at(r, c) = -Get(r, c);
        at(r, columns_ + r) = 1;
        at(r, width) = -b[static_cast<std::size_t>(r)];
    }
    std::vector<double> cost(static_cast<std::size_t>(width), 0.0);
    std::copy(cost_.begin(), cost_.end(), cost.begin());

    std::vector<int> basic(static_cast<std::size_t>(m));  // the variable basic in each row
    for (int r = 0; r < m; ++r) basic[static_cast<std::size_t>(r)] = columns_ + r;

    Result result;
    const int maxPivots = 20 * (m + width);
    for (int pivots = 0;; ++pivots) {
        int leave = -1;
        double most = -1e-7;
        for (int r = 0; r < m; ++r) {
            if (at(r, width) < most) {
                most = at(r, width);
                leave = r;
            }
        }
        if (leave < 0 || pivots >= maxPivots) break;
        int enter = -1;
        double best = 0;
        for (int c = 0; c < width; ++c) {
            const double v = at(leave, c);
            if (v >= -kEps) continue;
            const double ratio = cost[static_cast<std::size_t>(c)] / -v;
            // Near ties go to the first column: relative, as the costs range from 1 to 1e-8.
            if (enter < 0 || ratio < best * (1 - 1e-12)) {
                enter = c;
                best = ratio;
            }
        }
        if (enter < 0) {
            std::vector<long double> row(static_cast<std::size_t>(m), 0.0L), ray;
            row[static_cast<std::size_t>(leave)] = 1;
            for (int r = 0; r < m; ++r) ray.push_back(at(leave, columns_ + r));
            result.ray = ExactRay(*this, b, RefineOnBasis(t, basic, row, ray));
            result.raysChecked = 1;
            result.raysDropped = result.ray.empty() ? 1 : 0;
            break;
        }
        basic[static_cast<std::size_t>(leave)] = enter;
        const double pivot = at(leave, enter);
        for (int c = 0; c <= width; ++c) at(leave, c) /= pivot;
        for (int r = 0; r < m; ++r) {
            if (r == leave) continue;
            const double f = at(r, enter);
            if (f == 0) continue;
            for (int c = 0; c <= width; ++c) at(r, c) -= f * at(leave, c);
        }
        const double f = cost[static_cast<std::size_t>(enter)];
        for (int c = 0; c < width; ++c) cost[static_cast<std::size_t>(c)] -= f * at(leave, c);
    }
    result.feasible = result.ray.empty();
    std::vector<long double> costs;
    for (const int k : basic) costs.push_back(k < columns_ ? -Cost(k) : 0.0L);
    result.exactDual = MakeDualFeasible(
        *this, RefineOnBasis(t, basic, costs, {cost.begin() + columns_, cost.end()}));
    result.dual = result.exactDual.Doubles();
    double magnitude = 0;
    for (int r = 0; r < m; ++r) {
        const double term =
            b[static_cast<std::size_t>(r)] * result.dual[static_cast<std::size_t>(r)];
        result.value += term;
        magnitude += std::fabs(term);
    }
    // Each term: the dual's rounding to a double, its product and up to m additions.
    result.valueRounding = RoundingAtMost(m + 2, magnitude);
    return result;
}

}  // namespace toviran::planner
