#include "planner/conflicts.h"

#include <variant>

#include "planner/goal.h"
#include "planner/lower_bound.h"

namespace toviran::planner {
namespace {

// The request with only the demands listed: the rest let go (any stat, any form, the
// special item without its condition, every item).
PlanRequest Relaxed(const PlanRequest& r, const std::vector<Demand>& kept) {
    PlanRequest relaxed = r;
    relaxed.target.stats = {};
    relaxed.allowedItems = kAllItems;
    relaxed.target.form = kAnyForm;
    for (const Demand& d : kept) {
        StatRange& range = relaxed.target.stats[static_cast<std::size_t>(d.stat)];
        switch (d.kind) {
            case Demand::Kind::StatAtLeast:
                range.least = d.value;
                break;
            case Demand::Kind::StatAtMost:
                range.most = d.value;
                break;
            case Demand::Kind::Form:
                relaxed.target.form = r.target.form;
                break;
            case Demand::Kind::Items:
                relaxed.allowedItems = r.allowedItems;
                break;
            default:
                break;
        }
    }
    return relaxed;
}

// Proven out of reach: the goal cannot be made, or every route's bound is out of reach.
bool OutOfReach(const PlanRequest& r, const MagCore& start) {
    auto made = MakeGoal(r, start);
    if (std::holds_alternative<Reason>(made)) return true;
    const Goal& goal = std::get<Goal>(made);
    if (Reached(goal, start)) return false;
    for (const Goal& route : TargetRoutes(goal, r, start)) {
        const LowerBound bound(route, r.characterClass, r.parity, r.allowedItems);
        if (bound.Solve(start).items < kUnreachable) return false;
    }
    return true;
}

// The form as a demand, with what the evolutions on the way ask for it.
Demand FormDemand(const PlanRequest& r, const MagCore& start) {
    Demand form{Demand::Kind::Form};
    form.form = r.target.form;
    const auto made = MakeGoal(r, start);
    if (!std::holds_alternative<Goal>(made)) return form;
    const Goal& goal = std::get<Goal>(made);
    form.specialItem = goal.specialItem;
    if (goal.specialItem >= 0) return form;
    if (goal.settleLevel >= kFinalEvolutionLevel && !goal.last.options.empty()) {
        form.judgedAt = goal.settleLevel;
        form.lastLow = goal.last.alreadyLowDef;
        form.lastHigh = goal.last.alreadyHighDef;
    } else if (goal.last.before == kSecondEvolutionLevel && !goal.last.options.empty()) {
        form.second = goal.last.alreadyLowDef;
    }
    const std::vector<Goal> routes = Routes(goal, start, r.characterClass);
    if (routes.size() == 1 && routes.front().secondForm == goal.form)
        form.second = routes.front().second.alreadyLowDef;
    return form;
}

// Every demand of the request but its level, which every conflict names.
std::vector<Demand> DemandsOf(const PlanRequest& r, const MagCore& start) {
    std::vector<Demand> demands;
    for (int k = 0; k < 4; ++k) {
        const StatRange& range = r.target.stats[static_cast<std::size_t>(k)];
        const auto stat = static_cast<StatKind>(k);
        if (range.least > 0) demands.push_back({Demand::Kind::StatAtLeast, stat, range.least});
        if (range.most < kLevelCap) demands.push_back({Demand::Kind::StatAtMost, stat, range.most});
    }
    if (r.target.form != kAnyForm) demands.push_back(FormDemand(r, start));
    if (r.allowedItems != kAllItems) demands.push_back({Demand::Kind::Items});
    return demands;
}

}  // namespace

Reason WhyUnreachable(const PlanRequest& request, const MagCore& start) {
    // Each demand in turn is let go for good when the rest are still out of reach: what is
    // left cannot hold together, and no demand of it can be let go.
    std::vector<Demand> kept = DemandsOf(request, start);
    for (std::size_t i = 0; i < kept.size();) {
        std::vector<Demand> without = kept;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        if (OutOfReach(Relaxed(request, without), start))
            kept = std::move(without);
        else
            ++i;
    }
    if (kept.size() == 1 && kept.front().kind == Demand::Kind::Items)
        return ReasonAbout(ReasonKind::ItemsCannotReach, request);
    Reason why = ReasonAbout(ReasonKind::Conflict, request);
    Demand level{Demand::Kind::Level};
    level.value = request.target.level;
    why.demands.push_back(level);
    why.demands.insert(why.demands.end(), kept.begin(), kept.end());
    return why;
}

Reason WhyExhausted(const PlanRequest& request, const MagCore&) {
    return ReasonAbout(
        request.allowedItems == kAllItems ? ReasonKind::Exhausted : ReasonKind::ItemsCannotReach,
        request);
}

}  // namespace toviran::planner
