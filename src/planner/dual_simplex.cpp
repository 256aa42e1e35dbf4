#include "planner/dual_simplex.h"

#include <algorithm>
#include <cmath>

namespace toviran::planner {
namespace {

constexpr double kEps = 1e-9;

}  // namespace

DualLp::DualLp(int rows, int columns)
    : rows_(rows),
      columns_(columns),
      a_(static_cast<std::size_t>(rows * columns), 0.0),
      cost_(static_cast<std::size_t>(columns), 1.0) {}

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
            if (enter < 0 || ratio < best - 1e-12) {
                enter = c;
                best = ratio;
            }
        }
        if (enter < 0) {
            result.ray.assign(static_cast<std::size_t>(m), 0.0);
            for (int r = 0; r < m; ++r)
                result.ray[static_cast<std::size_t>(r)] = std::max(0.0, at(leave, columns_ + r));
            break;
        }
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
    result.dual.assign(cost.begin() + columns_, cost.end());
    MakeDualFeasible(*this, result.dual);
    for (int r = 0; r < m; ++r)
        result.value += b[static_cast<std::size_t>(r)] * result.dual[static_cast<std::size_t>(r)];
    return result;
}

void MakeDualFeasible(const DualLp& lp, std::vector<double>& y) {
    for (double& v : y) v = std::max(0.0, v);
    double worst = 1;
    for (int c = 0; c < lp.Columns(); ++c) {
        double dot = 0;
        for (int r = 0; r < lp.Rows(); ++r) dot += lp.Get(r, c) * y[static_cast<std::size_t>(r)];
        worst = std::max(worst, dot / lp.Cost(c));
    }
    // A hair more than needed, so that the products stay within 1 after rounding.
    const double scale = 1.0 / (worst * (1 + 1e-12));
    for (double& v : y) v *= scale;
}

}  // namespace toviran::planner
