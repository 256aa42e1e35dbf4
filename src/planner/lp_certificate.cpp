#include "planner/lp_certificate.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "planner/dual_simplex.h"

namespace toviran::planner {
namespace {

using Wide = __int128;
using WideUnsigned = unsigned __int128;

// Past this a sum stops being exact: every term is below 2^116, so it cannot overflow first.
constexpr double kMostSum = 0x1p120;
// Doubles hold every integer up to here.
constexpr double kMostInteger = 0x1p53;
// A ray's fractions: their denominators and the common one.
constexpr std::int64_t kMostDenominator = std::int64_t{1} << 31;
constexpr std::int64_t kMostCommonDenominator = std::int64_t{1} << 62;
// The entries of A that certificates are checked with.
constexpr double kMostEntry = 0x1p40;
// Duals smaller than this bound nothing of note; below it the grid would reach subnormals.
constexpr long double kLeastDual = 0x1p-900L;
// The grid holds the largest dual part in up to this many bits, fewer when the columns' sums
// of |a_ij| need room: every dot product then stays below 2^125.
constexpr int kGridBits = 100;
constexpr int kRoomBits = 125;
constexpr int kScaleTries = 4;

// Whether a holds an integer of at most `most` (below 2^63): compared with its conversion to
// an integer, which the processor does inline, unlike std::trunc.
bool IsInteger(double a, double most) {
    return std::fabs(a) <= most && static_cast<double>(static_cast<std::int64_t>(a)) == a;
}

struct Fraction {
    std::int64_t p = 0;
    std::int64_t q = 1;
};

// The fraction nearest x (0 <= x <= 1) among those with a denominator of at most `most`:
// the continued fraction of x, exact on its binary value, cut off at that denominator.
Fraction Nearest(long double x, std::int64_t most) {
    if (x >= 1) return {1, 1};
    if (!(x >= 0.5L / static_cast<long double>(most))) return {0, 1};  // 0/1 is nearer
    int exponent = 0;
    const long double mantissa = std::frexp(x, &exponent);  // exponent <= 0
    const auto num0 = static_cast<WideUnsigned>(std::ldexp(mantissa, 64));
    const WideUnsigned den0 = WideUnsigned{1} << (64 - exponent);
    WideUnsigned p0 = 0, q0 = 1, p1 = 1, q1 = 0, n = num0, d = den0;
    const auto limit = static_cast<WideUnsigned>(most);
    while (d != 0) {
        const WideUnsigned a = n / d;
        if (q1 != 0 && a > (limit - q0) / q1) break;
        const WideUnsigned p2 = p0 + a * p1, q2 = q0 + a * q1;
        p0 = p1, q0 = q1, p1 = p2, q1 = q2;
        const WideUnsigned rest = n - a * d;
        n = d, d = rest;
    }
    const Fraction last{static_cast<std::int64_t>(p1), static_cast<std::int64_t>(q1)};
    if (d == 0) return last;
    // The best of the fractions between the last two convergents within the limit: either
    // rounds well enough, as the ray is checked anyway.
    const WideUnsigned k = (limit - q0) / q1;
    const Fraction between{static_cast<std::int64_t>(p0 + k * p1),
                           static_cast<std::int64_t>(q0 + k * q1)};
    const auto off = [x](Fraction f) {
        return std::fabs(static_cast<long double>(f.p) / static_cast<long double>(f.q) - x);
    };
    return off(last) <= off(between) ? last : between;
}

// The largest part, or 0 when there is none above zero or one is not a number.
long double LargestPart(const std::vector<long double>& v) {
    long double most = 0;
    for (const long double x : v) {
        if (std::isnan(x)) return 0;
        most = std::max(most, x);
    }
    return std::isfinite(most) ? most : 0;
}

bool AtMost(Wide value, double limit) {
    if (std::isnan(limit)) return false;
    if (limit >= 0x1p126) return true;
    if (limit <= -0x1p126) return false;
    return value <= static_cast<Wide>(std::floor(limit));
}

// The largest sum of |a_ij| over a column, or nothing when an entry is not an integer or too
// large to check with.
std::optional<double> LargestColumnSum(const DualLp& lp) {
    std::vector<double> sums(static_cast<std::size_t>(lp.Columns()), 0.0);
    for (int row = 0; row < lp.Rows(); ++row) {
        for (int c = 0; c < lp.Columns(); ++c) {
            const double a = lp.Get(row, c);
            if (a == 0) continue;
            if (!IsInteger(a, kMostEntry)) return std::nullopt;
            sums[static_cast<std::size_t>(c)] += std::fabs(a);
        }
    }
    return *std::ranges::max_element(sums);
}

// Each column's dot product with the parts, exactly, and what taking one off each part above
// zero can add to it: its negative entries in those rows. The caller keeps the parts small
// enough for the sums (LargestColumnSum).
struct ColumnDots {
    std::vector<Wide> dot;
    std::vector<double> rounding;
};

ColumnDots DotsOf(const DualLp& lp, const std::vector<Wide>& parts) {
    const auto columns = static_cast<std::size_t>(lp.Columns());
    ColumnDots dots{std::vector<Wide>(columns, 0), std::vector<double>(columns, 0.0)};
    for (int row = 0; row < lp.Rows(); ++row) {
        const Wide part = parts[static_cast<std::size_t>(row)];
        if (part == 0) continue;
        for (int c = 0; c < lp.Columns(); ++c) {
            const double a = lp.Get(row, c);
            if (a == 0) continue;
            dots.dot[static_cast<std::size_t>(c)] += part * static_cast<std::int64_t>(a);
            if (a < 0) dots.rounding[static_cast<std::size_t>(c)] -= a;
        }
    }
    return dots;
}

// Whether A^T r <= 0 and b.r > 0, in integers.
bool Certifies(const DualLp& lp, const std::vector<double>& b, const std::vector<std::int64_t>& r) {
    const std::optional<double> sum = LargestColumnSum(lp);
    if (!sum || *sum >= 0x1p62) return false;  // with parts below 2^62, dots below 2^124
    const ColumnDots dots = DotsOf(lp, std::vector<Wide>(r.begin(), r.end()));
    if (std::ranges::any_of(dots.dot, [](Wide dot) { return dot > 0; })) return false;
    IntegerSum value;
    for (std::size_t row = 0; row < r.size(); ++row)
        if (r[row] != 0) value.Add(r[row], b[row]);
    return value.Exact() && value.Sign() > 0;
}

// Each part times 1 - drop, a little less rather than more: drop is far below 1, and the
// part loses ceil(part x drop) + 1, computed in long double.
void ScaleDown(std::vector<Wide>& parts, long double drop) {
    for (Wide& part : parts) {
        const long double loss = std::ceil(static_cast<long double>(part) * drop) + 1;
        part = std::max<Wide>(0, part - static_cast<Wide>(loss));
    }
}

}  // namespace

void IntegerSum::Add(std::int64_t times, double value) {
    if (!exact_) return;
    if (!IsInteger(value, kMostInteger)) {
        exact_ = false;
        return;
    }
    sum_ += static_cast<Wide>(times) * static_cast<Wide>(static_cast<std::int64_t>(value));
    if (sum_ > static_cast<Wide>(kMostSum) || sum_ < -static_cast<Wide>(kMostSum)) exact_ = false;
}

std::optional<std::int64_t> IntegerSum::Value() const {
    constexpr Wide kMost = std::numeric_limits<std::int64_t>::max();
    if (!exact_ || sum_ > kMost || sum_ < -kMost) return std::nullopt;
    return static_cast<std::int64_t>(sum_);
}

std::vector<std::int64_t> ExactRay(const DualLp& lp, const std::vector<double>& b,
                                   const std::vector<long double>& ray) {
    const long double most = LargestPart(ray);
    if (!(most > 0)) return {};
    std::vector<Fraction> parts;
    std::int64_t common = 1;
    for (const long double x : ray) {
        const Fraction f = Nearest(std::max(0.0L, x) / most, kMostDenominator);
        parts.push_back(f);
        const Wide next = static_cast<Wide>(common / std::gcd(common, f.q)) * f.q;
        if (next > kMostCommonDenominator) return {};
        common = static_cast<std::int64_t>(next);
    }
    std::vector<std::int64_t> r;
    for (const Fraction& f : parts) r.push_back(f.p * (common / f.q));
    if (!Certifies(lp, b, r)) return {};
    return r;
}

std::vector<double> DyadicVector::Doubles() const {
    std::vector<double> v;
    for (const Wide part : parts) v.push_back(std::ldexp(static_cast<double>(part), -shift));
    return v;
}

DyadicVector MakeDualFeasible(const DualLp& lp, const std::vector<long double>& y) {
    DyadicVector exact;
    exact.parts.assign(y.size(), 0);
    long double most = 0;
    for (const long double v : y)
        if (v > most) most = v;  // parts below zero are rounding noise, and become 0
    const std::optional<double> columnSum = LargestColumnSum(lp);
    if (!(most >= kLeastDual) || !std::isfinite(most) || !columnSum) return exact;
    int exponent = 0;
    std::frexp(most, &exponent);  // most < 2^exponent
    int room = 0;
    std::frexp(*columnSum + 1, &room);  // the sums < 2^room
    exact.shift = std::min(kGridBits, kRoomBits - room) - exponent;
    for (std::size_t r = 0; r < y.size(); ++r)
        if (y[r] > 0) exact.parts[r] = static_cast<Wide>(std::ldexp(y[r], exact.shift));
    for (int attempt = 0; attempt < kScaleTries; ++attempt) {
        const ColumnDots dots = DotsOf(lp, exact.parts);
        const auto limit = [&](int c) { return std::ldexp(lp.Cost(c), exact.shift); };
        bool holds = true;
        for (int c = 0; c < lp.Columns() && holds; ++c)
            holds = AtMost(dots.dot[static_cast<std::size_t>(c)], limit(c));
        if (holds) return exact;
        // The least drop d with (1 - d) D_j + F_j <= C_j for every column: D_j its dot product
        // and C_j its cost on the grid, F_j what rounding the parts down can add to it, which
        // the first try leaves out. In long double, with a margin that grows if the check
        // still fails.
        long double drop = 0;
        for (int c = 0; c < lp.Columns(); ++c) {
            const auto dot = static_cast<long double>(dots.dot[static_cast<std::size_t>(c)]);
            const long double within =
                limit(c) - (attempt > 0 ? 2 * dots.rounding[static_cast<std::size_t>(c)] : 0.0);
            if (dot > within) drop = std::max(drop, std::min(1.0L, (dot - within) / dot));
        }
        ScaleDown(exact.parts, drop + std::ldexp(1.0L, 8 * attempt - 60));
    }
    std::ranges::fill(exact.parts, Wide{0});
    return exact;
}

double RoundingAtMost(int roundings, double magnitude) {
    const double nu = std::ldexp(static_cast<double>(roundings), -53);
    const double gamma = nu / (1 - nu);
    // Each rounding of a subnormal result may be off by half of the least subnormal instead.
    const double underflow = static_cast<double>(roundings) * 0x1p-1074;
    return 2 * (gamma * magnitude + underflow);
}

bool IntegerLinear::Positive(const MagCore& m) const {
    Wide v = constant;
    for (std::size_t k = 0; k < 4; ++k) v += static_cast<Wide>(stat[k]) * m.progress[k];
    v += static_cast<Wide>(iq) * m.iq + static_cast<Wide>(synchro) * m.synchro;
    return v > 0;
}

}  // namespace toviran::planner
