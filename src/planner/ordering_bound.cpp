#include "planner/ordering_bound.h"

#include <algorithm>
#include <bit>

#include "planner/lower_bound.h"

namespace toviran::planner {
namespace {

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

// An evolution still to come must see one of the orderings of POW, DEX and MIND that give
// the form. For each such ordering, the least levels each stat must still gain before it is
// judged; a mag that keeps the form, or that is past the judgement, is free.
Raises JudgementRaises(const MagCore& m, const Judgement& j) {
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

// A special item's condition on some of the stats: for each choice of stats, the levels they
// must still gain, which must fit below the target level.
Raises RequirementRaises(const Goal& goal, const MagCore& m) {
    Raises raises;
    const SpecialRequirement& r = goal.requirement;
    if (goal.specialItem < 0 || m.rare || r.statCount <= 0) return raises;
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
        if (m.level + raise <= goal.level) raises.options.push_back(gain);
    }
    return raises;
}

int ItemsFor(const Raises& raises, const MagCore& m, const std::array<int, 4>& most) {
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

}  // namespace

RaisesAhead RaisesFor(const BoundContext& c, const MagCore& m) {
    return {JudgementRaises(m, c.goal.last), JudgementRaises(m, c.goal.second),
            RequirementRaises(c.goal, m)};
}

int ItemsFor(const RaisesAhead& raises, const MagCore& m, const std::array<int, 4>& most) {
    return std::max({ItemsFor(raises.last, m, most), ItemsFor(raises.second, m, most),
                     ItemsFor(raises.requirement, m, most)});
}

}  // namespace toviran::planner
