#include "ui/planner/plan_follow.h"

namespace toviran {
namespace {

// The place after `pressed` presses.
PlanPlace After(const planner::Plan& plan, std::size_t pressed) {
    if (pressed < plan.presses.size()) return {PlanPlace::Kind::Press, pressed};
    return {plan.specialItem >= 0 ? PlanPlace::Kind::SpecialItem : PlanPlace::Kind::Done, 0};
}

}  // namespace

PlanPlace PlaceOnPlan(const planner::Plan& plan, const MagCore& start, const MagCore& now) {
    if (now == plan.final) return {PlanPlace::Kind::Done, 0};
    // Levels only rise, so no state of the plan comes twice.
    for (std::size_t i = plan.presses.size(); i-- > 0;)
        if (now == plan.presses[i].after) return After(plan, i + 1);
    if (now == start) return After(plan, 0);
    return {};
}

}  // namespace toviran
