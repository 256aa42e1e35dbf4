#pragma once
// A small dense linear program under "at least" rows,
//   minimise c.x subject to A x >= b, x >= 0, with every cost c_j > 0,
// solved by the dual simplex method. No cost is negative, so the slack basis is dual
// feasible from the start and no first phase is needed.
//
// Besides the value it returns a dual solution y (y >= 0, A^T y <= c). Any such y proves
// that no x does better than b'.y for any other right-hand side b' of the same rows, which
// is what lets the planner reuse one solution for many mags.
#include <cstddef>
#include <vector>

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
        bool feasible = false;
        double value = 0;  // b.dual: the optimum when feasible
        // A dual solution: optimal when feasible, else the last one the method reached,
        // still a valid bound for right-hand sides the ray does not rule out.
        std::vector<double> dual;
        // Infeasible only: u >= 0 with A^T u <= 0 and b.u > 0, which shows every right-hand
        // side b' with b'.u > 0 infeasible too.
        std::vector<double> ray;
    };
    Result Solve(const std::vector<double>& b) const;

  private:
    std::size_t Index(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }
    int rows_;
    int columns_;
    std::vector<double> a_;
    std::vector<double> cost_;
};

// Scales a dual solution so that it meets A^T y <= c exactly as computed in doubles, with
// negative parts (rounding noise) dropped, so that b.y is a lower bound however it was found.
void MakeDualFeasible(const DualLp& lp, std::vector<double>& y);

}  // namespace toviran::planner
