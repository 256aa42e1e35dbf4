#pragma once
// What the dual simplex hands out is checked before anything rests on it. Its arithmetic is
// in doubles, but the programs' coefficients are integers, so both of its certificates can be
// checked exactly:
// - a ray of infeasibility is turned into integers and checked in integers;
// - a dual solution is put on a grid of one power of two, where its dot products with the
//   columns are integers as well.
// Rounding is left only where the planner evaluates a checked solution for many mags; a bound
// on that rounding (RoundingAtMost) tells whether the planner's slack covers it.
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/mag_core.h"

namespace toviran::planner {

class DualLp;

// Sums integer multiples of doubles that hold integers, exactly. Any other double, or a sum
// that grows past what it can hold, makes the sum inexact, and then it has no value.
class IntegerSum {
  public:
    void Add(std::int64_t times, double value);
    bool Exact() const { return exact_; }
    // The sum, when exact and within 64 bits.
    std::optional<std::int64_t> Value() const;
    // -1, 0 or 1 by the sign of the exact sum; only meaningful when Exact().
    int Sign() const { return sum_ > 0 ? 1 : sum_ < 0 ? -1 : 0; }

  private:
    __int128 sum_ = 0;
    bool exact_ = true;
};

// The ray as integers r >= 0 with A^T r <= 0 and b.r > 0, each checked exactly; empty when
// the ray from the tableau does not round to such a vector. The ray is scaled so that its
// largest part is 1 and each part is rounded to the nearest fraction with a denominator up to
// 2^31: the rays of these programs are exact fractions, and after refinement their parts are
// good to about 1e-19, which tells such fractions apart.
std::vector<std::int64_t> ExactRay(const DualLp& lp, const std::vector<double>& b,
                                   const std::vector<long double>& ray);

// Numbers parts[i] 2^-shift: exact, where doubles would round.
struct DyadicVector {
    std::vector<__int128> parts;
    int shift = 0;
    // Each number rounded to the nearest double.
    std::vector<double> Doubles() const;
};

// A dual solution that holds exactly: y >= 0 and A^T y <= c over the reals, not only as
// computed in doubles. y is rounded down onto a grid of 2^-shift that holds its largest part
// in 100 bits, where each dot product with a column is an integer; when a column is over its
// cost there, all of y is scaled down by the least that brings every column within its cost.
// The grid is that fine for the gain and level columns: their costs are about 1e-10 of the
// duals' products with them, so that rounding y to doubles, or to 62 bits, would cost a
// scale-down of 1e-6 and more. A y that cannot be checked (an entry of A that is not an
// integer) becomes 0, which bounds nothing but is still true.
DyadicVector MakeDualFeasible(const DualLp& lp, const std::vector<long double>& y);

// How far a sum of products of doubles, as computed, can be from its exact value: when no
// term goes through more than `roundings` roundings (each product and addition it passes)
// and the terms' absolute values, as computed in doubles, add up to `magnitude`.
// Each rounding is off by a factor 1 + d with |d| <= u = 2^-53, so each term is off by at
// most gamma_n = n u / (1 - n u) of itself; twice that covers the magnitude's own rounding.
double RoundingAtMost(int roundings, double magnitude);

// A linear function of the mag's numbers with integer coefficients, which tells exactly
// whether it is above zero.
struct IntegerLinear {
    std::int64_t constant = 0;
    std::array<std::int64_t, 4> stat{};  // per point of each stat's progress
    std::int64_t iq = 0;
    std::int64_t synchro = 0;
    bool Positive(const MagCore& m) const;
};

// The planner's right-hand sides are affine functions of the mag's numbers, rows of the form
//   constant + sum stat[k] x (points of stat k) + iq x IQ + synchro x synchro
// with integer coefficients held in doubles. For the mags with the given stat levels:

// sum_i r_i row_i as a function of the progress alone (the levels' points go into the
// constant), in integers; empty when a coefficient is not an integer or a sum leaves 64 bits.
template <class Row>
std::optional<IntegerLinear> IntegerLinearOf(const std::vector<Row>& rows,
                                             const std::vector<std::int64_t>& r,
                                             const StatArray& levels) {
    IntegerSum constant, iq, synchro;
    std::array<IntegerSum, 4> stat;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        constant.Add(r[i], rows[i].constant);
        for (std::size_t k = 0; k < 4; ++k) stat[k].Add(r[i], rows[i].stat[k]);
        iq.Add(r[i], rows[i].iq);
        synchro.Add(r[i], rows[i].synchro);
    }
    IntegerLinear linear;
    for (std::size_t k = 0; k < 4; ++k) {
        const std::optional<std::int64_t> perPoint = stat[k].Value();
        if (!perPoint) return std::nullopt;
        linear.stat[k] = *perPoint;
        constant.Add(*perPoint, kProgressPerLevel * levels[k]);
    }
    const auto c = constant.Value(), i = iq.Value(), s = synchro.Value();
    if (!c || !i || !s) return std::nullopt;
    linear.constant = *c;
    linear.iq = *i;
    linear.synchro = *s;
    return linear;
}

// The sum of the row's terms' absolute values at the largest numbers a mag with these levels
// can have: what bounds the rounding of a multiple of it.
template <class Row>
double LargestTerms(const Row& row, const StatArray& levels) {
    double most =
        std::fabs(row.constant) + std::fabs(row.iq) * kIqMax + std::fabs(row.synchro) * kSynchroMax;
    for (std::size_t k = 0; k < 4; ++k)
        most += std::fabs(row.stat[k]) * (kProgressPerLevel * levels[k] + kMostProgress);
    return most;
}

}  // namespace toviran::planner
