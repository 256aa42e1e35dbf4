#include "planner/lower_bound.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <set>

#include "engine/feed_tables.h"

namespace toviran::planner {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
// Progress held below the next level, all four stats together, at most.
constexpr float kMostHeldProgress = 4 * 99;

// An item's gain: negative deltas can always be cancelled by the floor rule, so only the
// positive part of each delta is counted.
struct Gain {
    std::array<float, 4> stat{};
    float iq = 0;
    float synchro = 0;
};

std::vector<Gain> GainsOf(const std::set<int>& tables, ItemSet items) {
    std::vector<Gain> gains;
    for (const int t : tables) {
        for (int i = 0; i < kFeedItemCount; ++i) {
            if (!(items & (1u << i))) continue;
            const FeedDelta& d = FeedTableByNo(t)[i];
            const int deltas[] = {d.def, d.pow, d.dex, d.mind};
            Gain g;
            for (int k = 0; k < 4; ++k) g.stat[k] = static_cast<float>(std::max(0, deltas[k]));
            g.iq = static_cast<float>(std::max<int>(0, d.iq));
            g.synchro = static_cast<float>(std::max<int>(0, d.synchro));
            gains.push_back(g);
        }
    }
    return gains;
}

std::set<int> TablesOf(const std::vector<int>& forms) {
    std::set<int> tables;
    for (const int form : forms)
        if (const int t = FeedTableNoForForm(form); t != 0) tables.insert(t);
    return tables;
}

bool Dominated(const std::array<float, 4>& a, const std::array<float, 4>& b) {
    for (int k = 0; k < 4; ++k)
        if (a[k] > b[k]) return false;
    return true;
}

// Drops every vector that another one covers in each stat (of equal ones, keeps the first).
std::vector<std::array<float, 4>> Undominated(const std::vector<std::array<float, 4>>& all) {
    std::vector<std::array<float, 4>> kept;
    for (std::size_t i = 0; i < all.size(); ++i) {
        bool covered = false;
        for (std::size_t j = 0; j < all.size() && !covered; ++j)
            covered = j != i && Dominated(all[i], all[j]) && (all[i] != all[j] || j < i);
        if (!covered) kept.push_back(all[i]);
    }
    return kept;
}

// Solves the n x n system in place by Gaussian elimination; false when it is singular.
bool Solve(std::vector<std::array<double, 5>>& rows, int n, std::array<double, 4>& x) {
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int r = c + 1; r < n; ++r)
            if (std::abs(rows[r][c]) > std::abs(rows[pivot][c])) pivot = r;
        if (std::abs(rows[pivot][c]) < 1e-9) return false;
        std::swap(rows[c], rows[pivot]);
        for (int r = 0; r < n; ++r) {
            if (r == c) continue;
            const double f = rows[r][c] / rows[c][c];
            for (int k = c; k <= n; ++k) rows[r][k] -= f * rows[c][k];
        }
    }
    for (int c = 0; c < n; ++c) x[c] = rows[c][n] / rows[c][c];
    return true;
}

// The vertices w of { w >= 0 : a.w <= 1 for every item vector a }, in the stats some item
// raises. max over them of w.need is the fewest items (fractionally) covering `need`.
std::vector<std::array<float, 4>> DualVertices(std::vector<std::array<float, 4>> a) {
    std::vector<int> dims;
    for (int k = 0; k < 4; ++k)
        if (std::ranges::any_of(a, [k](const auto& v) { return v[k] > 0; })) dims.push_back(k);
    a = Undominated(a);
    const int n = static_cast<int>(dims.size());
    const int m = static_cast<int>(a.size()) + n;  // item constraints, then w_k = 0
    std::vector<std::array<float, 4>> vertices;
    std::vector<int> pick(n);
    auto rowOf = [&](int c) {
        std::array<double, 5> row{};
        if (c < static_cast<int>(a.size())) {
            for (int j = 0; j < n; ++j) row[j] = a[c][dims[j]];
            row[n] = 1;
        } else {
            row[c - a.size()] = 1;
        }
        return row;
    };
    std::function<void(int, int)> choose = [&](int depth, int from) {
        if (depth == n) {
            std::vector<std::array<double, 5>> rows;
            for (const int c : pick) rows.push_back(rowOf(c));
            std::array<double, 4> x{};
            if (!Solve(rows, n, x)) return;
            std::array<float, 4> w{};
            for (int j = 0; j < n; ++j) {
                if (x[j] < -1e-7) return;
                w[dims[j]] = static_cast<float>(std::max(0.0, x[j]));
            }
            for (const auto& v : a) {
                double dot = 0;
                for (int k = 0; k < 4; ++k) dot += double(v[k]) * w[k];
                if (dot > 1 + 1e-6) return;
            }
            vertices.push_back(w);
            return;
        }
        for (int c = from; c < m; ++c) {
            pick[depth] = c;
            choose(depth + 1, c + 1);
        }
    };
    choose(0, 0);
    return Undominated(vertices);
}

}  // namespace

LowerBound::LowerBound(const Goal& goal, const MagCore& start, CharacterClass cls,
                       SectionIdParity parity, ItemSet items)
    : goal_(goal) {
    std::vector<std::set<int>> tables;
    if (start.rare) {
        bands_.push_back({0, kLevelCap + 1, 0});
        tables.push_back({kRareFeedTable});
    } else {
        // A マグ fed from level 10 (set so in the parameter window) takes one more item
        // from its own table; otherwise the class stage feeds from table 2 only.
        std::set<int> classStage{2};
        if (start.form == Form("マグ") && start.level >= kFirstEvolutionLevel) classStage.insert(1);
        bands_ = {{0, kFirstEvolutionLevel, 0},
                  {kFirstEvolutionLevel, kSecondEvolutionLevel, 0},
                  {kSecondEvolutionLevel, kFinalEvolutionLevel, 0},
                  {kFinalEvolutionLevel, kLevelCap + 1, 0}};
        tables = {{1},
                  classStage,
                  TablesOf(FormsFedFrom35(start, cls)),
                  TablesOf(FormsFedFrom50(start, cls, parity))};
    }
    reach_.resize(bands_.size());
    std::vector<Gain> later;
    for (int b = static_cast<int>(bands_.size()) - 1; b >= 0; --b) {
        const std::vector<Gain> gains = GainsOf(tables[b], items);
        for (const Gain& g : gains) {
            float sum = 0;
            for (const float v : g.stat) sum += v;
            bands_[b].gain = std::max(bands_[b].gain, sum);
        }
        later.insert(later.end(), gains.begin(), gains.end());
        Reach& reach = reach_[b];
        std::vector<Vec4> stats;
        for (const Gain& g : later) {
            stats.push_back(g.stat);
            for (int k = 0; k < 4; ++k) reach.statMax[k] = std::max(reach.statMax[k], g.stat[k]);
            reach.iqMax = std::max(reach.iqMax, g.iq);
            reach.synchroMax = std::max(reach.synchroMax, g.synchro);
        }
        if (goal.build || goal.requirement.statCount > 0) reach.vertices = DualVertices(stats);
    }
}

int LowerBound::BandOf(int level) const {
    int b = 0;
    while (b + 1 < static_cast<int>(bands_.size()) && level >= bands_[b + 1].lo) ++b;
    return b;
}

// Each item adds at most its band's gain to 100 x level + the progress held. Between bands
// the mag holds at most the progress of four stats, so the bound follows the level band by
// band, taking at each boundary whichever amount held there makes the total smallest.
float LowerBound::ByLevels(const MagCore& m, int band, int level) const {
    float held = 100.0f * m.level;
    for (const auto p : m.progress) held += p;
    float items = 0;
    for (int b = band; b < static_cast<int>(bands_.size()) && bands_[b].lo < level; ++b) {
        const Band& here = bands_[b];
        if (here.gain <= 0) return kInfinity;
        float leave = 100.0f * level;
        const bool last = here.hi >= level || b + 1 == static_cast<int>(bands_.size());
        if (!last) {
            const float fewest = 100.0f * here.hi;
            const float most = 100.0f * (here.hi - 1) + kMostHeldProgress + here.gain;
            leave = here.gain > bands_[b + 1].gain ? most : fewest;
        }
        items += (leave - held) / here.gain;
        held = leave;
        if (last) break;
    }
    return std::max(0.0f, items);
}

float LowerBound::ByStatNeedsInBands(const MagCore& m, int band, const Vec4& need) const {
    const float anyBand = ByStatNeeds(need, reach_[band]);
    const int last = static_cast<int>(bands_.size()) - 1;
    if (band == last || goal_.level <= bands_[last].lo) return anyBand;
    float held = 100.0f * m.level;
    for (const auto p : m.progress) held += p;
    const float early =
        100.0f * (bands_[last].lo - 1) + kMostHeldProgress + bands_[last - 1].gain - held;
    // For each dual vertex w: the last band needs w.need minus what the early points can
    // cover at best, all of them on the stat w weighs most.
    float lastBand = 0;
    for (const Vec4& w : reach_[last].vertices) {
        float value = -early * std::ranges::max(w);
        for (int k = 0; k < 4; ++k) value += w[k] * need[k];
        lastBand = std::max(lastBand, value);
    }
    return std::max(anyBand, ByLevels(m, band, bands_[last].lo) + lastBand);
}

float LowerBound::ByStatNeeds(const Vec4& need, const Reach& reach) const {
    float best = 0;
    for (int k = 0; k < 4; ++k)
        if (need[k] > 0 && reach.statMax[k] <= 0) return kInfinity;
    for (const Vec4& w : reach.vertices) {
        float value = 0;
        for (int k = 0; k < 4; ++k) value += w[k] * need[k];
        best = std::max(best, value);
    }
    return best;
}

// The last evolution still to come must see one of the orderings that give the form: the
// least each stat must still rise for the cheapest of them, one stat at a time.
float LowerBound::ByOrdering(const MagCore& m, const Reach& reach, float enough) const {
    if (goal_.orderings.empty() || m.level >= goal_.settleLevel) return 0;
    if (m.form == goal_.form && goal_.level % 5 != 0) return 0;  // the mag may keep it
    const std::uint16_t already =
        m.statLevel[0] >= kFoDefColumnLevel ? goal_.orderingsHighDef : goal_.orderingsLowDef;
    if (already & (1u << OrderingIndexOf(m.statLevel))) return 0;
    float best = kInfinity;
    for (const OrderingOption& o : goal_.orderings) {
        if (m.statLevel[0] > o.maxDef) continue;
        std::array<int, 4> want{std::max<int>(m.statLevel[0], o.minDef), 0, 0, 0};
        // Each group of equal stats sits at least one level above the group below it.
        int below = -1;
        for (const std::uint8_t group : o.groups) {
            if (group == 0) break;
            int value = below + 1;
            for (int k = 1; k < 4; ++k)
                if (group & (1u << k)) value = std::max<int>(value, m.statLevel[k]);
            for (int k = 1; k < 4; ++k)
                if (group & (1u << k)) want[k] = value;
            below = value;
        }
        int raise = 0;
        float items = 0;
        for (int k = 0; k < 4; ++k) {
            if (want[k] <= m.statLevel[k]) continue;
            raise += want[k] - m.statLevel[k];
            if (reach.statMax[k] <= 0) items = kInfinity;
            const float need = 100.0f * (want[k] - m.statLevel[k]) - m.progress[k];
            items = std::max(items, need / reach.statMax[k]);
        }
        if (m.level + raise > goal_.orderingLevel) continue;
        best = std::min(best, items);
        if (best <= enough) break;  // the other bounds are already at least this much
    }
    return best;
}

float LowerBound::ByRequirement(const MagCore& m, int band, bool inBands) const {
    const Reach& reach = reach_[band];
    const SpecialRequirement& r = goal_.requirement;
    float items = 0;
    if (r.minIq > m.iq) items = reach.iqMax > 0 ? (r.minIq - m.iq) / reach.iqMax : kInfinity;
    if (r.minSynchro > m.synchro)
        items = std::max(items, reach.synchroMax > 0 ? (r.minSynchro - m.synchro) / reach.synchroMax
                                                     : kInfinity);
    if (r.statCount == 0) return items;
    // The cheapest choice of statCount stats to bring to statMin.
    float cheapest = kInfinity;
    for (int mask = 0; mask < 16; ++mask) {
        if (std::popcount(static_cast<unsigned>(mask)) != r.statCount) continue;
        Vec4 need{};
        int raise = 0;
        for (int k = 0; k < 4; ++k) {
            if (!(mask & (1 << k)) || m.statLevel[k] >= r.statMin) continue;
            raise += r.statMin - m.statLevel[k];
            need[k] = std::max(0.0f, 100.0f * (r.statMin - m.statLevel[k]) - m.progress[k]);
        }
        // The levels still to gain must fit below the target level.
        if (m.level + raise > goal_.level) continue;
        cheapest = std::min(cheapest, inBands ? ByStatNeedsInBands(m, band, need)
                                              : ByStatNeeds(need, reach_[band]));
    }
    return std::max(items, cheapest);
}

float LowerBound::Items(const MagCore& m) const {
    return Estimate(m, false);
}

float LowerBound::Tightest(const MagCore& m) const {
    return Estimate(m, true);
}

float LowerBound::Estimate(const MagCore& m, bool inBands) const {
    const int band = BandOf(m.level);
    const Reach& reach = reach_[band];
    float items = ByLevels(m, band, goal_.level);
    if (goal_.build) {
        Vec4 need{};
        for (int k = 0; k < 4; ++k)
            need[k] = std::max(0.0f, 100.0f * ((*goal_.build)[k] - m.statLevel[k]) - m.progress[k]);
        items =
            std::max(items, inBands ? ByStatNeedsInBands(m, band, need) : ByStatNeeds(need, reach));
    }
    items = std::max(items, ByOrdering(m, reach, items));
    if (goal_.form == kNoForm) items = std::max(items, ByRequirement(m, band, inBands));
    return items;
}

}  // namespace toviran::planner
