#include "planner/lp_model.h"

#include <algorithm>

namespace toviran::planner {
namespace {

// Progress the four stats can hold below their next levels, all together.
constexpr int kMostHeld = 4 * kMostProgress;
// The item that makes the level 200 holds every later stat of that item at 99, so a stat can
// end up to one item's delta short of its points, the mag up to four of them.
const int kCapLossPerStat = LargestStatDelta();
const int kCapLoss = 4 * kCapLossPerStat;
// The gain and level columns cost next to nothing (a cost of 0 could not be met exactly by a
// dual solution in doubles); what that adds to the value is taken off again before rounding.
constexpr double kAuxCost = 1e-8;
constexpr double kMostGain = kProgressPerLevel * (kLevelCap + 1) + kMostProgress;

int Positive(int v) {
    return v > 0 ? v : 0;
}

double PointsOf(const MagCore& m, int k) {
    return kProgressPerLevel * m.statLevel[static_cast<std::size_t>(k)] +
           m.progress[static_cast<std::size_t>(k)];
}

bool AsksFinalLevels(const BoundContext& c, const MagCore& m) {
    return !m.rare && c.goal.lastAtTarget && m.level < c.goal.level;
}

// The second evolution still ahead, judged on levels the program asks for: a route's, or the
// target's own when it is the last evolution before a target level past 35.
const Judgement* SecondAhead(const BoundContext& c, const MagCore& m) {
    const Goal& goal = c.goal;
    if (m.rare || m.level >= kSecondEvolutionLevel) return nullptr;
    if (goal.secondForm != kNoForm && !goal.second.options.empty()) return &goal.second;
    const bool lastIsSecond = goal.last.before == kSecondEvolutionLevel;
    if (lastIsSecond && !goal.lastAtTarget && !goal.last.options.empty()) return &goal.last;
    return nullptr;
}

// When an evolution is judged: the levels it may see, the items fed before it (those fed
// below this level), and the progress a stat holds at most right after it.
struct JudgedWhen {
    int levelAtLeast;
    int levelAtMost;
    int fedBelow;
    int heldAtMost;
    bool atEnd;  // judged on the final levels: the stats' gains to the end decide them
};

// The levels an evolution sees (set `set` of the level columns): each within the points its
// stat has by then from the items fed below `when.fedBelow` (all of them: the evolution
// comes with the last), at least where they are now, summing to what the level can be then,
// and meeting the option's relations and DEF range.
void AddJudgedLevels(LpModel& p, int set, const OrderingOption& o, RowGroup asks, const MagCore& m,
                     const JudgedWhen& when) {
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
    const RowGroup group = p.group;
    p.group = asks;
    p.AddOthers({{p.LevelColumn(set, 0), 1}}, o.minDef);
    p.AddOthers({{p.LevelColumn(set, 0), -1}}, -o.maxDef);
    for (const Relation& r : o.relations)
        p.AddOthers({{p.LevelColumn(set, r.above), 1}, {p.LevelColumn(set, r.below), -1}}, r.gap);
    p.group = group;
}

}  // namespace

double Affine::At(const MagCore& m) const {
    double v = constant + iq * m.iq + synchro * m.synchro;
    for (int k = 0; k < 4; ++k) v += stat[static_cast<std::size_t>(k)] * PointsOf(m, k);
    return v;
}

int Column::Gain(int k) const {
    return Positive(row.stat[static_cast<std::size_t>(k)]);
}
int Column::Loss(int k) const {
    return row.stat[static_cast<std::size_t>(k)];
}
int Column::GainSum() const {
    return Gain(0) + Gain(1) + Gain(2) + Gain(3);
}
int Column::LossSum() const {
    return Loss(0) + Loss(1) + Loss(2) + Loss(3);
}

std::size_t LpModel::Width() const {
    return columns.size() + 4 + kPerSet * static_cast<std::size_t>(levelSets) + (shares ? 4 : 0);
}
std::size_t LpModel::GainColumn(int k) const {
    return columns.size() + static_cast<std::size_t>(k);
}
std::size_t LpModel::LevelColumn(int set, int k) const {
    return columns.size() + 4 + kPerSet * static_cast<std::size_t>(set) +
           static_cast<std::size_t>(k);
}
std::size_t LpModel::BeforeColumn(int set, int k) const {
    return LevelColumn(set, k) + 4;
}
std::size_t LpModel::ShareColumn(int k) const {
    return columns.size() + 4 + kPerSet * static_cast<std::size_t>(levelSets) +
           static_cast<std::size_t>(k);
}

void LpModel::Add(const std::function<double(const Column&)>& coef, const Affine& b,
                  const std::vector<std::pair<std::size_t, double>>& others) {
    std::vector<double> row(Width());
    for (std::size_t j = 0; j < columns.size(); ++j) row[j] = coef(columns[j]);
    for (const auto& [column, value] : others) row[column] = value;
    rows.push_back(std::move(row));
    rhs.push_back(b);
    groups.push_back({group, groupStat});
}

void LpModel::AddOthers(const std::vector<std::pair<std::size_t, double>>& others, double atLeast) {
    Add([](const Column&) { return 0.0; }, Affine::Points(atLeast, 0), others);
}

DualLp LpModel::Lp(const std::function<bool(RowGroup, int)>& without) const {
    std::vector<std::size_t> kept;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (!without || !without(groups[r].first, groups[r].second)) kept.push_back(r);
    DualLp lp(static_cast<int>(kept.size()), static_cast<int>(Width()));
    for (std::size_t i = 0; i < kept.size(); ++i)
        for (std::size_t j = 0; j < Width(); ++j)
            lp.Set(static_cast<int>(i), static_cast<int>(j), rows[kept[i]][j]);
    for (std::size_t j = columns.size(); j < Width(); ++j)
        lp.SetCost(static_cast<int>(j), kAuxCost);
    return lp;
}

double LpModel::AuxCostAtMost() const {
    return kAuxCost * (4 * kMostGain + (kPerSet * levelSets + (shares ? 4 : 0)) * kLevelCap);
}

std::vector<double> LpModel::RightHandSide(
    const MagCore& m, const std::function<bool(RowGroup, int)>& without) const {
    std::vector<double> b;
    for (std::size_t r = 0; r < rhs.size(); ++r)
        if (!without || !without(groups[r].first, groups[r].second)) b.push_back(rhs[r].At(m));
    return b;
}

VariantCounts CountVariants(const BoundContext& c, const MagCore& m) {
    VariantCounts counts;
    if (m.rare) return counts;
    if (AsksFinalLevels(c, m)) counts.finals = static_cast<int>(c.goal.last.options.size());
    if (const Judgement* second = SecondAhead(c, m))
        counts.seconds = static_cast<int>(second->options.size());
    return counts;
}

int Variants(const BoundContext& c, const MagCore& m) {
    const VariantCounts counts = CountVariants(c, m);
    return counts.finals * counts.seconds;
}

// Every row below holds for every feeding that reaches the goal from `m`:
// - an item adds to a stat at most its positive delta and at least its delta (a negative
//   one is either applied or cancelled by the floor rule), and a level takes 100 points;
// - the items fed below a level boundary bring the mag to it, and hold no more than the
//   level just below it with 99 in every stat, plus one item;
// - at the end every stat is within its range at the target level, with at most 99 more
//   points than its level;
// - before the special item its condition must be met, from items fed before it;
// - when the evolution at the target level decides the form, the final levels are in one of
//   the orderings that give it; on a route, so are the levels at the second evolution.
LpModel BuildModel(const BoundContext& c, const MagCore& m, int variant) {
    const Goal& goal = c.goal;
    const VariantCounts counts = CountVariants(c, m);
    const int finalVariant = variant % counts.finals;
    const int secondVariant = variant / counts.finals;
    LpModel p;
    const bool finalLevels = AsksFinalLevels(c, m);
    const Judgement* secondAhead = SecondAhead(c, m);
    // The final levels are always asked for: they sum to the target level, which no stat's
    // points alone can see.
    p.levelSets = 1 + (secondAhead != nullptr ? 1 : 0);
    p.shares = goal.specialItem >= 0 && !m.rare && goal.requirement.statCount > 0;
    for (const Phase& phase : PhasesAhead(goal, m, c.cls, c.parity, c.items))
        for (const RowDelta& row : phase.rows)
            p.columns.push_back({phase.hi, phase.rare, phase.once, row});
    for (const Column& col : p.columns)
        if (!col.rare)
            for (int k = 0; k < 4; ++k)
                p.mostPerItem[static_cast<std::size_t>(k)] =
                    std::max(p.mostPerItem[static_cast<std::size_t>(k)], col.Gain(k));

    const int level = goal.level;
    const bool atCap = level == kLevelCap;
    const auto levelOf = [&m](int k) {
        return static_cast<double>(kProgressPerLevel * m.statLevel[static_cast<std::size_t>(k)]);
    };
    std::vector<std::pair<std::size_t, double>> allGains;
    for (int k = 0; k < 4; ++k) {
        // What the stat really gains lies between its deltas and their positive parts. The
        // item that makes the level 200 sets its stat's progress to 99 and holds the later
        // stats at 99, which can add up to 99 points or take up to one delta.
        p.Add([k](const Column& col) { return col.Gain(k); },
              Affine::Stat(k, levelOf(k) - (atCap ? kMostProgress : 0), -1),
              {{p.GainColumn(k), -1}});
        p.Add([k](const Column& col) { return -col.Loss(k); },
              Affine::Stat(k, -levelOf(k) - (atCap ? kCapLossPerStat : 0), 1),
              {{p.GainColumn(k), 1}});
        allGains.push_back({p.GainColumn(k), 1});
    }
    // The mag ends at the target level: its points reach the level and hold at most 99 more
    // in each stat.
    p.group = RowGroup::Level;
    const double levelsLeft = kProgressPerLevel * (level - m.level);
    p.AddOthers(allGains, levelsLeft);
    for (auto& [column, value] : allGains) value = -1;
    p.AddOthers(allGains, -(levelsLeft + kMostHeld + (atCap ? kCapLoss : 0)));

    p.group = RowGroup::Boundaries;
    const bool beforeSpecial = goal.specialItem >= 0 && !m.rare;
    const int useLevel = beforeSpecial ? EarliestUseLevel(goal) : 0;
    for (const int boundary : {kFirstEvolutionLevel, kSecondEvolutionLevel, kFinalEvolutionLevel}) {
        if (m.level >= boundary || boundary > level || m.rare) continue;
        // Rare items fed before the boundary would spoil the rows: only while the special
        // item cannot have been used yet.
        if (beforeSpecial && boundary > useLevel) continue;
        const auto below = [boundary](const Column& col) { return col.hi <= boundary; };
        int lastItem = 0;
        for (const Column& col : p.columns)
            if (below(col)) lastItem = std::max(lastItem, col.GainSum());
        p.Add([&](const Column& col) { return below(col) ? col.GainSum() : 0; },
              Affine::Points(kProgressPerLevel * boundary, -1));
        p.Add([&](const Column& col) { return below(col) ? -col.LossSum() : 0; },
              Affine::Points(-(kProgressPerLevel * (boundary - 1) + kMostHeld + lastItem), 1));
    }
    for (int k = 0; k < 4; ++k) {
        const StatRange& range = goal.stats[static_cast<std::size_t>(k)];
        p.groupStat = k;
        if (range.least > m.statLevel[static_cast<std::size_t>(k)]) {
            p.group = RowGroup::StatLeast;
            p.AddOthers({{p.GainColumn(k), 1}}, kProgressPerLevel * range.least - levelOf(k));
        }
        if (range.most < kLevelCap) {
            p.group = RowGroup::StatMost;
            p.AddOthers({{p.GainColumn(k), -1}}, -(kProgressPerLevel * range.most - levelOf(k) +
                                                   kMostProgress + (atCap ? kCapLossPerStat : 0)));
        }
    }
    p.groupStat = 0;
    if (beforeSpecial) {
        p.group = RowGroup::Special;
        const SpecialRequirement& r = goal.requirement;
        const auto plain = [](const Column& col) { return !col.rare; };
        if (useLevel > m.level)
            p.Add([&](const Column& col) { return plain(col) ? col.GainSum() : 0; },
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
                p.Add([&](const Column& col) { return plain(col) ? col.Gain(k) : 0; },
                      Affine::Stat(k, 0, -1), {{share, -kProgressPerLevel}});
            }
            p.AddOthers(shares, r.statCount * r.statMin);
        }
        if (r.minIq > 0)
            p.Add([&](const Column& col) { return plain(col) ? Positive(col.row.iq) : 0; },
                  {static_cast<double>(r.minIq), {}, -1, 0});
        if (r.minSynchro > 0)
            p.Add([&](const Column& col) { return plain(col) ? Positive(col.row.synchro) : 0; },
                  {static_cast<double>(r.minSynchro), {}, 0, -1});
    }
    p.group = RowGroup::Feeding;
    if (std::ranges::any_of(p.columns, [](const Column& col) { return col.once; }))
        p.Add([](const Column& col) { return col.once ? -1.0 : 0.0; }, Affine::Points(-1, 0));
    static const OrderingOption kAnyOrdering;
    const OrderingOption& last =
        finalLevels ? goal.last.options[static_cast<std::size_t>(finalVariant)] : kAnyOrdering;
    AddJudgedLevels(p, 0, last, RowGroup::Orderings, m,
                    {goal.level, goal.level, kLevelCap + 1,
                     kMostProgress + (atCap ? kCapLossPerStat : 0), true});
    if (secondAhead != nullptr) {
        const int set = 1;
        const RowGroup asks = secondAhead == &goal.second ? RowGroup::Second : RowGroup::Orderings;
        const OrderingOption& o = secondAhead->options[static_cast<std::size_t>(secondVariant)];
        AddJudgedLevels(p, set, o, asks, m,
                        {kSecondEvolutionLevel, secondAhead->byLevel, kSecondEvolutionLevel,
                         kMostProgress, false});
        for (int k = 0; k < 4; ++k) {
            // levels only rise
            p.AddOthers({{p.LevelColumn(0, k), 1}, {p.LevelColumn(set, k), -1}}, 0);
            const StatRange& range = goal.stats[static_cast<std::size_t>(k)];
            if (range.most < kLevelCap) {
                p.group = RowGroup::StatMost;
                p.groupStat = k;
                p.AddOthers({{p.LevelColumn(set, k), -1}}, -range.most);
                p.group = RowGroup::Feeding;
                p.groupStat = 0;
            }
        }
    }
    return p;
}

}  // namespace toviran::planner
