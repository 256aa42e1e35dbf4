#include "planner/lower_bound.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>

#include "engine/mag_forms.h"
#include "planner/dual_simplex.h"
#include "planner/feed_phases.h"

namespace toviran::planner {
namespace {

// Progress the four stats can hold below their next levels, all together.
constexpr int kMostHeld = 4 * kMostProgress;
// The item that makes the level 200 holds every later stat of that item at 99, so a stat can
// end up to one item's delta short of its points, the mag up to four of them.
constexpr int kCapLossPerStat = 50;
constexpr int kCapLoss = 4 * kCapLossPerStat;
// The gain and level columns cost next to nothing (a cost of 0 could not be met exactly by a
// dual solution in doubles); what that adds to the value is taken off again before rounding.
constexpr double kAuxCost = 1e-8;
constexpr double kMostGain = kProgressPerLevel * (kLevelCap + 1) + kMostProgress;
// The progress at which each set of stat levels is solved: none, where a stat needs the most
// points, and the most, where it has least room left below its next level. Each solution
// bounds every mag with these levels; the larger value holds.
constexpr int kCanonicalProgress[] = {0, kMostProgress};
constexpr int kIqBucket = 16;
// A bound is rounded up only past this, which covers its evaluation in doubles: the dual is
// exact (lp_certificate.h), and a dual is kept only while the rounding of its value, as
// RoundingAtMost bounds it, is within half of this for every mag of its key. The value then
// loses at most a rounding of its own below kUnreachable (2^-23) taking off the costs of the
// gain and level columns, and ToItems one more: a true bound v' >= v - kSlack gives at least
// ceil(v - kSlack) items.
constexpr double kSlack = 1e-4;
// The most roundings one term of a dual's bound passes past the program's rows, from the
// dual's rounding to a double to the sum in Linear::At.
constexpr int kRoundingsPastRows = 16;

bool SlackCovers(double rounding) {
    return rounding <= kSlack / 2;
}

int Positive(int v) {
    return v > 0 ? v : 0;
}

// Right-hand side of one row as a function of the mag's numbers.
struct Affine {
    double constant = 0;
    std::array<double, 4> stat{};  // per point of each stat
    double iq = 0;
    double synchro = 0;
    static Affine Points(double constant, double perPoint) {
        return {constant, {perPoint, perPoint, perPoint, perPoint}, 0, 0};
    }
    static Affine Stat(int k, double constant, double perPoint) {
        Affine a{constant, {}, 0, 0};
        a.stat[static_cast<std::size_t>(k)] = perPoint;
        return a;
    }
};

double Points(const MagCore& m, int k) {
    return kProgressPerLevel * m.statLevel[static_cast<std::size_t>(k)] +
           m.progress[static_cast<std::size_t>(k)];
}

double Evaluate(const Affine& a, const MagCore& m) {
    double v = a.constant + a.iq * m.iq + a.synchro * m.synchro;
    for (int k = 0; k < 4; ++k) v += a.stat[static_cast<std::size_t>(k)] * Points(m, k);
    return v;
}

// One row of one phase: a variable of the program, the number of such items fed.
struct Column {
    int hi;  // fed below this level
    bool rare;
    bool once;
    RowDelta row;
    int Gain(int k) const { return Positive(row.stat[static_cast<std::size_t>(k)]); }
    int Loss(int k) const { return row.stat[static_cast<std::size_t>(k)]; }  // the least change
    int GainSum() const { return Gain(0) + Gain(1) + Gain(2) + Gain(3); }
    int LossSum() const { return Loss(0) + Loss(1) + Loss(2) + Loss(3); }
};

int ToItems(double value) {
    if (value <= kSlack) return 0;
    if (value >= kUnreachable) return kUnreachable;
    return static_cast<int>(std::ceil(value - kSlack));
}

// The program's value (infinite when no feeding meets it) with the ordering's items.
LowerBound::Evaluator::Estimate Combine(double value, int byOrdering) {
    if (!(value < kUnreachable) || byOrdering >= kUnreachable) return {kUnreachable, kUnreachable};
    value = std::max({0.0, value, static_cast<double>(byOrdering)});
    return {ToItems(value), value};
}

// The lowest levels, from the mag's up, that meet the option's relations and DEF range.
std::array<int, 4> LeastLevels(const StatArray& levels, const OrderingOption& o) {
    std::array<int, 4> want{std::max<int>(levels[0], o.minDef), levels[1], levels[2], levels[3]};
    for (bool raised = true; raised;) {
        raised = false;
        for (const Relation& r : o.relations) {
            if (want[r.above] < want[r.below] + r.gap) {
                want[r.above] = want[r.below] + r.gap;
                raised = true;
            }
        }
    }
    return want;
}

}  // namespace

struct LowerBound::Program {
    std::vector<Column> columns;
    // After the item columns: what each stat really gains from here to the end, plus its
    // progress now (so that it cannot be negative: no stat loses a level), and then, for
    // each evolution whose orderings the program asks, the four stat levels it sees. Both
    // are continuous, which only loosens the program.
    int levelSets = 0;
    // Last, for a special item's condition on some of the stats: each stat's share of it.
    bool shares = false;
    std::vector<std::vector<double>> rows;  // coefficients per column
    std::vector<Affine> rhs;
    std::array<int, 4> mostPerItem{};

    // Each set of levels: the four the evolution sees, then the four just before the item
    // that brings it.
    static constexpr std::size_t kPerSet = 8;
    std::size_t Width() const {
        return columns.size() + 4 + kPerSet * static_cast<std::size_t>(levelSets) +
               (shares ? 4 : 0);
    }
    std::size_t ShareColumn(int k) const {
        return columns.size() + 4 + kPerSet * static_cast<std::size_t>(levelSets) +
               static_cast<std::size_t>(k);
    }
    std::size_t GainColumn(int k) const { return columns.size() + static_cast<std::size_t>(k); }
    std::size_t LevelColumn(int set, int k) const {
        return columns.size() + 4 + kPerSet * static_cast<std::size_t>(set) +
               static_cast<std::size_t>(k);
    }
    std::size_t BeforeColumn(int set, int k) const { return LevelColumn(set, k) + 4; }
    // A row over the items, with some other columns' coefficients.
    void Add(const std::function<double(const Column&)>& coef, const Affine& b,
             const std::vector<std::pair<std::size_t, double>>& others = {}) {
        std::vector<double> row(Width());
        for (std::size_t j = 0; j < columns.size(); ++j) row[j] = coef(columns[j]);
        for (const auto& [column, value] : others) row[column] = value;
        rows.push_back(std::move(row));
        rhs.push_back(b);
    }
    // A row over the other columns alone.
    void AddOthers(const std::vector<std::pair<std::size_t, double>>& others, double atLeast) {
        Add([](const Column&) { return 0.0; }, Affine::Points(atLeast, 0), others);
    }
    DualLp Lp() const {
        DualLp lp(static_cast<int>(rows.size()), static_cast<int>(Width()));
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t j = 0; j < Width(); ++j)
                lp.Set(static_cast<int>(r), static_cast<int>(j), rows[r][j]);
        for (std::size_t j = columns.size(); j < Width(); ++j)
            lp.SetCost(static_cast<int>(j), kAuxCost);
        return lp;
    }
    // What the gain and level columns' costs may have added to the value.
    double AuxCostAtMost() const {
        return kAuxCost * (4 * kMostGain + (kPerSet * levelSets + (shares ? 4 : 0)) * kLevelCap);
    }
    std::vector<double> RightHandSide(const MagCore& m) const {
        std::vector<double> b;
        for (const Affine& a : rhs) b.push_back(Evaluate(a, m));
        return b;
    }
};

LowerBound::LowerBound(const Goal& goal, CharacterClass cls, SectionIdParity parity, ItemSet items)
    : goal_(goal), cls_(cls), parity_(parity), items_(items) {}

bool LowerBound::AsksFinalLevels(const MagCore& m) const {
    return !m.rare && goal_.lastAtTarget && m.level < goal_.level;
}

// The second evolution still ahead, judged on levels the program asks for: a route's, or the
// target's own when it is the last evolution before a target level past 35.
const Judgement* LowerBound::SecondAhead(const MagCore& m) const {
    if (m.rare || m.level >= kSecondEvolutionLevel) return nullptr;
    if (goal_.secondForm != kNoForm && !goal_.second.options.empty()) return &goal_.second;
    const bool lastIsSecond = goal_.last.before == kSecondEvolutionLevel;
    if (lastIsSecond && !goal_.lastAtTarget && !goal_.last.options.empty()) return &goal_.last;
    return nullptr;
}

bool LowerBound::AsksSecondLevels(const MagCore& m) const {
    return SecondAhead(m) != nullptr;
}

LowerBound::VariantCounts LowerBound::CountVariants(const MagCore& m) const {
    VariantCounts counts;
    if (m.rare) return counts;
    if (AsksFinalLevels(m)) counts.finals = static_cast<int>(goal_.last.options.size());
    if (const Judgement* second = SecondAhead(m))
        counts.seconds = static_cast<int>(second->options.size());
    return counts;
}

int LowerBound::Variants(const MagCore& m) const {
    const VariantCounts c = CountVariants(m);
    return c.finals * c.seconds;
}

// Every row below holds for every feeding that reaches the goal from `m`:
// - an item adds to a stat at most its positive delta and at least its delta (a negative
//   one is either applied or cancelled by the floor rule), and a level takes 100 points;
// - the items fed below a level boundary bring the mag to it, and hold no more than the
//   level just below it with 99 in every stat, plus one item;
// - at the end every stat is at its level in the build with at most 99 more points;
// - before the special item its condition must be met, from items fed before it.
// - when the evolution at the target level decides the form, the final levels are in one of
//   the orderings that give it; on a route, so are the levels at the second evolution.
LowerBound::Program LowerBound::Build(const MagCore& m, int variant) const {
    const VariantCounts counts = CountVariants(m);
    const int finalVariant = variant % counts.finals;
    const int secondVariant = variant / counts.finals;
    Program p;
    const bool finalLevels = AsksFinalLevels(m);
    const bool secondLevels = AsksSecondLevels(m);
    // The final levels are always asked for: they sum to the target level, which no stat's
    // points alone can see.
    p.levelSets = 1 + (secondLevels ? 1 : 0);
    p.shares = goal_.specialItem >= 0 && !m.rare && goal_.requirement.statCount > 0;
    const std::vector<Phase> phases = PhasesAhead(goal_, m, cls_, parity_, items_);
    for (const Phase& phase : phases)
        for (const RowDelta& row : phase.rows)
            p.columns.push_back({phase.hi, phase.rare, phase.once, row});
    for (const Column& c : p.columns)
        if (!c.rare)
            for (int k = 0; k < 4; ++k)
                p.mostPerItem[static_cast<std::size_t>(k)] =
                    std::max(p.mostPerItem[static_cast<std::size_t>(k)], c.Gain(k));

    const int level = goal_.level;
    const bool atCap = level == kLevelCap;
    const auto levelOf = [&m](int k) {
        return static_cast<double>(kProgressPerLevel * m.statLevel[static_cast<std::size_t>(k)]);
    };
    std::vector<std::pair<std::size_t, double>> allGains;
    for (int k = 0; k < 4; ++k) {
        // What the stat really gains lies between its deltas and their positive parts. The
        // item that makes the level 200 sets its stat's progress to 99 and holds the later
        // stats at 99, which can add up to 99 points or take up to one delta.
        p.Add([k](const Column& c) { return c.Gain(k); },
              Affine::Stat(k, levelOf(k) - (atCap ? kMostProgress : 0), -1),
              {{p.GainColumn(k), -1}});
        p.Add([k](const Column& c) { return -c.Loss(k); },
              Affine::Stat(k, -levelOf(k) - (atCap ? kCapLossPerStat : 0), 1),
              {{p.GainColumn(k), 1}});
        allGains.push_back({p.GainColumn(k), 1});
    }
    // The mag ends at the target level: its points reach the level and hold at most 99 more
    // in each stat.
    const double levelsLeft = kProgressPerLevel * (level - m.level);
    p.AddOthers(allGains, levelsLeft);
    for (auto& [column, value] : allGains) value = -1;
    p.AddOthers(allGains, -(levelsLeft + kMostHeld + (atCap ? kCapLoss : 0)));

    const bool beforeSpecial = goal_.specialItem >= 0 && !m.rare;
    const int useLevel = beforeSpecial ? EarliestUseLevel(goal_) : 0;
    for (const int boundary : {kFirstEvolutionLevel, kSecondEvolutionLevel, kFinalEvolutionLevel}) {
        if (m.level >= boundary || boundary > level || m.rare) continue;
        // Rare items fed before the boundary would spoil the rows: only while the special
        // item cannot have been used yet.
        if (beforeSpecial && boundary > useLevel) continue;
        const auto below = [boundary](const Column& c) { return c.hi <= boundary; };
        int lastItem = 0;
        for (const Column& c : p.columns)
            if (below(c)) lastItem = std::max(lastItem, c.GainSum());
        p.Add([&](const Column& c) { return below(c) ? c.GainSum() : 0; },
              Affine::Points(kProgressPerLevel * boundary, -1));
        p.Add([&](const Column& c) { return below(c) ? -c.LossSum() : 0; },
              Affine::Points(-(kProgressPerLevel * (boundary - 1) + kMostHeld + lastItem), 1));
    }
    if (goal_.build) {
        for (int k = 0; k < 4; ++k) {
            const double wanted = kProgressPerLevel * (*goal_.build)[static_cast<std::size_t>(k)];
            p.AddOthers({{p.GainColumn(k), 1}}, wanted - levelOf(k));
            p.AddOthers({{p.GainColumn(k), -1}},
                        -(wanted - levelOf(k) + kMostProgress + (atCap ? kCapLossPerStat : 0)));
        }
    }
    if (beforeSpecial) {
        const SpecialRequirement& r = goal_.requirement;
        const auto plain = [](const Column& c) { return !c.rare; };
        if (useLevel > m.level)
            p.Add([&](const Column& c) { return plain(c) ? c.GainSum() : 0; },
                  Affine::Points(kProgressPerLevel * useLevel, -1));
        if (r.statCount > 0) {
            // "statCount of the four stats at statMin" as shares t_k <= statMin summing to
            // statCount x statMin, each within the stat's final level and, times 100, within
            // what the items before the special item give the stat: exact when all four are
            // asked, a relaxation of which two otherwise.
            std::vector<std::pair<std::size_t, double>> shares;
            for (int k = 0; k < 4; ++k) {
                const std::size_t share = p.ShareColumn(k);
                shares.push_back({share, 1});
                p.AddOthers({{share, -1}}, -r.statMin);
                p.AddOthers({{p.LevelColumn(0, k), 1}, {share, -1}}, 0);
                p.Add([&](const Column& c) { return plain(c) ? c.Gain(k) : 0; },
                      Affine::Stat(k, 0, -1), {{share, -kProgressPerLevel}});
            }
            p.AddOthers(shares, r.statCount * r.statMin);
        }
        if (r.minIq > 0)
            p.Add([&](const Column& c) { return plain(c) ? Positive(c.row.iq) : 0; },
                  {static_cast<double>(r.minIq), {}, -1, 0});
        if (r.minSynchro > 0)
            p.Add([&](const Column& c) { return plain(c) ? Positive(c.row.synchro) : 0; },
                  {static_cast<double>(r.minSynchro), {}, 0, -1});
    }
    if (std::ranges::any_of(p.columns, [](const Column& c) { return c.once; }))
        p.Add([](const Column& c) { return c.once ? -1.0 : 0.0; }, Affine::Points(-1, 0));
    static const OrderingOption kAnyOrdering;
    const OrderingOption& last =
        finalLevels ? goal_.last.options[static_cast<std::size_t>(finalVariant)] : kAnyOrdering;
    AddJudgedLevels(p, 0, last, m,
                    {goal_.level, goal_.level, kLevelCap + 1,
                     kMostProgress + (atCap ? kCapLossPerStat : 0), true});
    if (secondLevels) {
        const int set = 1;
        const Judgement& second = *SecondAhead(m);
        const OrderingOption& o = second.options[static_cast<std::size_t>(secondVariant)];
        AddJudgedLevels(
            p, set, o, m,
            {kSecondEvolutionLevel, second.byLevel, kSecondEvolutionLevel, kMostProgress, false});
        for (int k = 0; k < 4; ++k) {
            // levels only rise
            p.AddOthers({{p.LevelColumn(0, k), 1}, {p.LevelColumn(set, k), -1}}, 0);
            if (goal_.build)
                p.AddOthers({{p.LevelColumn(set, k), -1}},
                            -(*goal_.build)[static_cast<std::size_t>(k)]);
        }
    }
    return p;
}

// The levels an evolution sees (set `set` of the level columns): each within the points its
// stat has by then from the items fed below `when.fedBelow` (all of them: the evolution
// comes with the last), at least where they are now, summing to what the level can be then,
// and meeting the option's relations and DEF range.
void LowerBound::AddJudgedLevels(Program& p, int set, const OrderingOption& o, const MagCore& m,
                                 const JudgedWhen& when) const {
    const auto fed = [&when](const Column& c) { return c.hi <= when.fedBelow; };
    std::vector<std::pair<std::size_t, double>> all;
    for (int k = 0; k < 4; ++k) {
        const std::size_t column = p.LevelColumn(set, k);
        all.push_back({column, 1});
        const double now = kProgressPerLevel * m.statLevel[static_cast<std::size_t>(k)];
        if (when.atEnd) {  // the stat's real gain to the end, within the level it ends at
            p.AddOthers({{p.GainColumn(k), 1}, {column, -kProgressPerLevel}}, -now);
            p.AddOthers({{p.GainColumn(k), -1}, {column, kProgressPerLevel}},
                        now - when.heldAtMost);
        } else {
            p.Add([&](const Column& c) { return fed(c) ? c.Gain(k) : 0; }, Affine::Stat(k, 0, -1),
                  {{column, -kProgressPerLevel}});
            p.Add([&](const Column& c) { return fed(c) ? -c.Loss(k) : 0; },
                  Affine::Stat(k, -when.heldAtMost, 1), {{column, kProgressPerLevel}});
        }
        p.AddOthers({{column, 1}}, m.statLevel[static_cast<std::size_t>(k)]);
    }
    p.AddOthers(all, when.levelAtLeast);
    for (auto& [column, value] : all) value = -1;
    p.AddOthers(all, -when.levelAtMost);
    // The item that brings the evolution raises each stat one level at most, from levels at
    // least today's that sum to below the level it is judged from.
    std::vector<std::pair<std::size_t, double>> before;
    for (int k = 0; k < 4 && m.level < when.levelAtLeast; ++k) {
        const std::size_t column = p.LevelColumn(set, k);
        const std::size_t prior = p.BeforeColumn(set, k);
        before.push_back({prior, -1});
        p.AddOthers({{prior, 1}}, m.statLevel[static_cast<std::size_t>(k)]);
        p.AddOthers({{column, 1}, {prior, -1}}, 0);
        p.AddOthers({{column, -1}, {prior, 1}}, -1);
    }
    if (!before.empty()) p.AddOthers(before, -(when.levelAtLeast - 1));
    p.AddOthers({{p.LevelColumn(set, 0), 1}}, o.minDef);
    p.AddOthers({{p.LevelColumn(set, 0), -1}}, -o.maxDef);
    for (const Relation& r : o.relations)
        p.AddOthers({{p.LevelColumn(set, r.above), 1}, {p.LevelColumn(set, r.below), -1}}, r.gap);
}

// An evolution still to come must see one of the orderings of POW, DEX and MIND that give
// the form. For each such ordering, the least levels each stat must still gain before it is
// judged; a mag that keeps the form, or that is past the judgement, is free.
LowerBound::Raises LowerBound::RaisesFor(const MagCore& m, const Judgement& j) const {
    Raises raises;
    if (j.options.empty() || m.rare || m.level >= j.before || m.form == j.heldForm) return raises;
    const std::uint16_t already =
        m.statLevel[0] >= kFoDefColumnLevel ? j.alreadyHighDef : j.alreadyLowDef;
    if (already & (1u << OrderingIndexOf(m.statLevel))) return raises;
    raises.free = false;
    for (const OrderingOption& o : j.options) {
        if (m.statLevel[0] > o.maxDef) continue;
        const std::array<int, 4> want = LeastLevels(m.statLevel, o);
        std::array<std::int16_t, 4> gain{};
        int raise = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            gain[k] = static_cast<std::int16_t>(std::max(0, want[k] - m.statLevel[k]));
            raise += gain[k];
        }
        if (m.level + raise <= j.byLevel) raises.options.push_back(gain);
    }
    return raises;
}

// The items the slowest stat of the cheapest ordering needs, at the most one item adds to it.
int LowerBound::ItemsFor(const Raises& raises, const MagCore& m, const std::array<int, 4>& most) {
    if (raises.free) return 0;
    int best = kUnreachable;
    for (const auto& gain : raises.options) {
        int items = 0;
        for (std::size_t k = 0; k < 4 && items < kUnreachable; ++k) {
            if (gain[k] <= 0) continue;
            if (most[k] <= 0) {
                items = kUnreachable;
                break;
            }
            const int need = kProgressPerLevel * gain[k] - m.progress[k];
            items = std::max(items, (need + most[k] - 1) / most[k]);
        }
        best = std::min(best, items);
    }
    return best;
}

// A special item's condition on some of the stats: for each choice of stats, the levels they
// must still gain, which must fit below the target level.
LowerBound::Raises LowerBound::RequirementRaises(const MagCore& m) const {
    Raises raises;
    const SpecialRequirement& r = goal_.requirement;
    if (goal_.specialItem < 0 || m.rare || r.statCount <= 0) return raises;
    raises.free = false;
    for (unsigned mask = 0; mask < 16; ++mask) {
        if (std::popcount(mask) != r.statCount) continue;
        std::array<std::int16_t, 4> gain{};
        int raise = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            if (!(mask & (1u << k))) continue;
            gain[k] = static_cast<std::int16_t>(std::max(0, r.statMin - m.statLevel[k]));
            raise += gain[k];
        }
        if (m.level + raise <= goal_.level) raises.options.push_back(gain);
    }
    return raises;
}

int LowerBound::ByOrderings(const MagCore& m, const std::array<int, 4>& mostPerItem) const {
    return std::max({ItemsFor(RaisesFor(m, goal_.last), m, mostPerItem),
                     ItemsFor(RaisesFor(m, goal_.second), m, mostPerItem),
                     ItemsFor(RequirementRaises(m), m, mostPerItem)});
}

double LowerBound::Evaluator::Linear::At(const MagCore& m) const {
    return constant + stat[0] * m.progress[0] + stat[1] * m.progress[1] + stat[2] * m.progress[2] +
           stat[3] * m.progress[3] + iq * m.iq + synchro * m.synchro;
}

namespace {

// The key tells apart what the program's shape and its canonical right-hand side depend on:
// the form, rareness and stat levels, and IQ and synchro roughly when the goal asks for them.
std::uint64_t KeyOf(const MagCore& m, bool iqSynchro) {
    std::uint64_t key = static_cast<std::uint8_t>(m.form);
    key = key << 1 | (m.rare ? 1u : 0u);
    for (const std::int16_t level : m.statLevel) key = key << 8 | static_cast<std::uint8_t>(level);
    if (iqSynchro)
        key = key << 8 | static_cast<std::uint8_t>(m.iq / kIqBucket) << 4 |
              static_cast<std::uint8_t>(m.synchro / kIqBucket);
    return key;
}

std::uint64_t HashOf(std::uint64_t key) {
    key ^= key >> 31;
    key *= 0x9e3779b97f4a7c15ull;
    return key ^ (key >> 29);
}

MagCore Canonical(const MagCore& m, bool iqSynchro, int progress) {
    MagCore c = m;
    const auto p = static_cast<std::int16_t>(progress);
    c.progress = {p, p, p, p};
    if (iqSynchro) {
        c.iq = static_cast<std::int16_t>(m.iq / kIqBucket * kIqBucket);
        c.synchro = static_cast<std::int16_t>(m.synchro / kIqBucket * kIqBucket);
    }
    return c;
}

}  // namespace

// sum_r u_r b_r(m) as one function of the mag's numbers.
// As a function of the progress alone: the levels are the key's, so their points go into
// the constant.
LowerBound::Evaluator::Linear LowerBound::Evaluator::LinearOf(const Program& program,
                                                              const std::vector<double>& u,
                                                              const StatArray& levels) {
    Linear linear;
    for (std::size_t r = 0; r < program.rhs.size(); ++r) {
        const Affine& a = program.rhs[r];
        linear.constant += u[r] * a.constant;
        for (std::size_t k = 0; k < 4; ++k) linear.stat[k] += u[r] * a.stat[k];
        linear.iq += u[r] * a.iq;
        linear.synchro += u[r] * a.synchro;
        linear.magnitude += std::fabs(u[r]) * LargestTerms(a, levels);
    }
    for (std::size_t k = 0; k < 4; ++k)
        linear.constant += linear.stat[k] * kProgressPerLevel * levels[k];
    return linear;
}

LowerBound::Evaluator::Entry& LowerBound::Evaluator::EntryFor(const MagCore& m, std::uint64_t key) {
    // Most items raise no level: the mags a search bounds one after the other mostly share
    // their key.
    if (lastEntry_ != 0 && key == lastKey_) return entries_[lastEntry_ - 1];
    lastKey_ = key;
    if ((entries_.size() + 1) * 2 > slots_.size()) {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(std::max<std::size_t>(1024, old.size() * 2), Slot{});
        for (const Slot& s : old) {
            if (s.entry == 0) continue;
            std::size_t i = HashOf(s.key) & (slots_.size() - 1);
            while (slots_[i].entry != 0) i = (i + 1) & (slots_.size() - 1);
            slots_[i] = s;
        }
    }
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = HashOf(key) & mask;
    for (; slots_[slot].entry != 0; slot = (slot + 1) & mask)
        if (slots_[slot].key == key) {
            lastEntry_ = slots_[slot].entry;
            return entries_[lastEntry_ - 1];
        }
    const LowerBound& lb = *bound_;
    Entry entry;
    entry.last = lb.RaisesFor(m, lb.goal_.last);
    entry.second = lb.RaisesFor(m, lb.goal_.second);
    entry.requirement = lb.RequirementRaises(m);
    entry.variants.resize(static_cast<std::size_t>(lb.Variants(m)));
    for (const int progress : kCanonicalProgress)
        AddSolutions(entry, m, Canonical(m, lb.goal_.needsIqSynchro, progress));
    entries_.push_back(std::move(entry));
    slots_[slot] = {key, static_cast<std::uint32_t>(entries_.size())};
    lastEntry_ = static_cast<std::uint32_t>(entries_.size());
    return entries_.back();
}

void LowerBound::Evaluator::AddSolutions(Entry& entry, const MagCore& m, const MagCore& at) const {
    for (std::size_t v = 0; v < entry.variants.size(); ++v) {
        Entry::Variant& variant = entry.variants[v];
        const Program program = bound_->Build(m, static_cast<int>(v));
        entry.mostPerItem = program.mostPerItem;
        const DualLp::Result solved = program.Lp().Solve(program.RightHandSide(at));
        Linear dual = LinearOf(program, solved.dual, m.statLevel);
        dual.constant -= program.AuxCostAtMost();
        const int roundings = static_cast<int>(program.rhs.size()) + kRoundingsPastRows;
        if (SlackCovers(RoundingAtMost(roundings, dual.magnitude + program.AuxCostAtMost())))
            variant.duals.push_back(dual);
        if (!solved.feasible)
            if (const auto ray = IntegerLinearOf(program.rhs, solved.ray, m.statLevel))
                variant.rays.push_back(*ray);
    }
}

LowerBound::Evaluator::Estimate LowerBound::Evaluator::Refine(const MagCore& m) {
    Entry& entry = EntryFor(m, KeyOf(m, bound_->goal_.needsIqSynchro));
    if (entry.refinements < kRefinements) {
        ++entry.refinements;
        AddSolutions(entry, m, m);
    }
    return Evaluate(m);
}

double LowerBound::Evaluator::FromEntry(const Entry& entry, const MagCore& m) {
    double best = std::numeric_limits<double>::infinity();
    for (const Entry::Variant& variant : entry.variants) {
        if (std::ranges::any_of(variant.rays,
                                [&m](const IntegerLinear& ray) { return ray.Positive(m); }))
            continue;  // this variant cannot be met
        double value = -std::numeric_limits<double>::infinity();
        for (const Linear& dual : variant.duals) value = std::max(value, dual.At(m));
        best = std::min(best, value);
    }
    return best;
}

LowerBound::Evaluator::Estimate LowerBound::Evaluator::Evaluate(const MagCore& m) {
    const std::uint64_t key = KeyOf(m, bound_->goal_.needsIqSynchro);
    const Entry& entry = EntryFor(m, key);
    const double value = FromEntry(entry, m);
    const int byOrdering = std::max({ItemsFor(entry.last, m, entry.mostPerItem),
                                     ItemsFor(entry.second, m, entry.mostPerItem),
                                     ItemsFor(entry.requirement, m, entry.mostPerItem)});
    return Combine(value, byOrdering);
}

LowerBound::Evaluator::Estimate LowerBound::Solve(const MagCore& m) const {
    const int variants = Variants(m);
    double best = std::numeric_limits<double>::infinity();
    std::array<int, 4> mostPerItem{};
    for (int v = 0; v < variants; ++v) {
        const Program program = Build(m, v);
        mostPerItem = program.mostPerItem;
        const DualLp::Result solved = program.Lp().Solve(program.RightHandSide(m));
        if (solved.feasible)
            best = std::min(best, SlackCovers(solved.valueRounding)
                                      ? solved.value - program.AuxCostAtMost()
                                      : 0.0);
    }
    return Combine(best, ByOrderings(m, mostPerItem));
}

std::vector<LowerBound::LinearProgram> LowerBound::Programs(const MagCore& m) const {
    std::vector<LinearProgram> programs;
    for (int v = 0; v < Variants(m); ++v) {
        const Program program = Build(m, v);
        programs.push_back({program.Lp(), program.RightHandSide(m)});
    }
    return programs;
}

}  // namespace toviran::planner
