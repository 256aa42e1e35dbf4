#include "ui/planner/plan_follow.h"

#include "engine/rare_evolution.h"

namespace toviran {

std::vector<PlanStep> PlanSteps(const planner::Plan& plan, const MagCore& start) {
    std::vector<PlanStep> steps;
    MagCore mag = start;
    const auto add = [&](PlanStep::Kind kind, std::size_t press, const MagCore& after) {
        steps.push_back({kind, press, mag, after});
        mag = after;
    };
    for (std::size_t i = 0; i <= plan.presses.size(); ++i) {
        if (plan.specialItem >= 0 && plan.specialAfter == i) {
            // The rare form stays to the end.
            add(PlanStep::Kind::SpecialItem, 0, AfterSpecialItem(mag, plan.final.form));
        }
        if (i < plan.presses.size()) add(PlanStep::Kind::Press, i, plan.presses[i].after);
    }
    return steps;
}

PlanPlace PlaceOnPlan(const std::vector<PlanStep>& steps, const MagCore& start,
                      const MagCore& now) {
    if (SameMag(now, steps.empty() ? start : steps.back().after)) return {PlanPlace::Kind::Done, 0};
    // Levels only rise and the special item renames the mag, so no mag comes twice.
    for (std::size_t i = steps.size(); i-- > 0;)
        if (SameMag(now, steps[i].before)) return {PlanPlace::Kind::Step, i};
    return {};
}

bool SameMag(const MagCore& a, const MagCore& b) {
    MagCore left = a;
    left.feedTableNo = b.feedTableNo;
    return left == b;
}

bool InputsHold(const FeedRequest& inputs, const FeedRequest& press) {
    if (inputs.mode != press.mode || inputs.characterClass != press.characterClass ||
        inputs.parity != press.parity)
        return false;
    // Slots the press does not feed may hold anything.
    for (std::size_t k = 0; k < press.feedSlots.size(); ++k) {
        const FeedSlotInput& a = inputs.feedSlots[k];
        const FeedSlotInput& b = press.feedSlots[k];
        const bool fed = FeedsSlot(press, k);
        if (FeedsSlot(inputs, k) != fed) return false;
        if (fed && (a.item != b.item || CountFromText(a.countText) != CountFromText(b.countText)))
            return false;
    }
    return true;
}

}  // namespace toviran
