#pragma once
// A small dense linear program under "at least" rows,
//   minimise c.x subject to A x >= b, x >= 0, with every cost c_j > 0,
// solved by the dual simplex method. No cost is negative, so the slack basis is dual
// feasible from the start and no first phase is needed.
//
// Besides the value it returns a dual solution y (y >= 0, A^T y <= c). Any such y proves
// that no x does better than b'.y for any other right-hand side b' of the same rows, which
// is what lets the planner reuse one solution for many mags. Both it and a ray of
// infeasibility are checked exactly before they are returned (lp_certificate.h).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "planner/lp_certificate.h"

namespace toviran::planner {

class DualLp {
  public:
    // `rows` x `columns` coefficients, all zero; every column costs 1 until set otherwise.
    DualLp(int rows, int columns);

    void Set(int row, int column, double value) { a_[Index(row, column)] = value; }
    void SetCost(int column, double cost) { cost_[static_cast<std::size_t>(column)] = cost; }
    double Cost(int column) const { return cost_[static_cast<std::size_t>(column)]; }
    double Get(int row, int column) const { return a_[Index(row, column)]; }
    int Rows() const { return rows_; }
    int Columns() const { return columns_; }

    struct Result {
        // False only when `ray` proves it.
        bool feasible = false;
        double value = 0;  // b.dual in doubles: the optimum, to the method's tolerance, if reached
        // value is within this of b.exactDual, the bound it stands for.
        double valueRounding = 0;
        // A dual solution, exactly: optimal when the method reached the optimum, else the last
        // one it reached, still a valid bound for right-hand sides the ray does not rule out.
        DyadicVector exactDual;
        std::vector<double> dual;  // the same rounded to doubles
        // Infeasible only: r >= 0 in integers with A^T r <= 0 and b.r > 0, all checked exactly,
        // which shows every right-hand side b' with b'.r > 0 infeasible too. A ray from the
        // method that fails a check is dropped: the solve then counts as feasible, its value
        // still a bound.
        std::vector<std::int64_t> ray;
        int raysChecked = 0;  // 1 when the method ended on a ray
        int raysDropped = 0;  // 1 when that ray failed a check
    };
    Result Solve(const std::vector<double>& b) const;

  private:
    std::vector<long double> RefineOnBasis(const std::vector<double>& tableau,
                                           const std::vector<int>& basic,
                                           const std::vector<long double>& rhs,
                                           std::vector<long double> v) const;
    std::size_t Index(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }
    int rows_;
    int columns_;
    std::vector<double> a_;
    std::vector<double> cost_;
};

}  // namespace toviran::planner
