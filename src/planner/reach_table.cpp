#include "planner/reach_table.h"

#include <algorithm>
#include <variant>

#include "planner/goal.h"
#include "planner/planner.h"
#include "planner/reachability.h"

namespace toviran::planner {
namespace {

PlanRequest RequestFor(const ReachRequest& r, int form, int level) {
    PlanRequest request;
    request.start = r.start;
    request.characterClass = r.characterClass;
    request.parity = r.parity;
    request.startIsNewMag = r.startIsNewMag;
    request.options = r.options;
    request.target.form = form;
    request.target.level = level;
    return request;
}

// The levels worth trying, lowest first: from where the evolution tables allow the form, in
// the steps at which it can be given; the mag's own level when it has the form already.
std::vector<int> Candidates(const ReachRequest& r, const MagCore& start, int form) {
    const FormReach reach =
        ReachableForms(r.characterClass, r.parity)[static_cast<std::size_t>(form)];
    std::vector<int> levels;
    if (start.form == form) levels.push_back(start.level);
    const int step = std::max(1, reach.levelStep);
    int level =
        std::max(reach.fromLevel, static_cast<int>(start.level) + (start.form == form ? 1 : 0));
    if (step > 1) level = (level + step - 1) / step * step;
    for (; level <= kLevelCap; level += step) levels.push_back(level);
    return levels;
}

}  // namespace

PlanRequest ReachRow::PlanAt(const ReachRequest& request) const {
    PlanRequest plan = RequestFor(request, form, level);
    plan.options = PlanOptions{};
    plan.options.effort = request.options.effort;
    return plan;
}

ReachRow ReachOf(const ReachRequest& r, int form, std::stop_token stop) {
    ReachRow row;
    row.form = form;
    const MagCore start = CoreOf(r.start);
    const std::uint64_t budget =
        r.options.work * static_cast<std::uint64_t>(std::clamp(r.options.effort, 1, kMostEffort));
    std::uint64_t spent = 0;
    bool lowerUnknown = false;  // a lower level's search ran out before it knew
    PlanResult last;            // the highest level's answer
    const std::vector<int> levels = Candidates(r, start, form);
    for (const int level : levels) {
        if (stop.stop_requested()) break;
        PlanRequest request = RequestFor(r, form, level);
        request.options.explain = false;
        request.options.effort = 1;
        request.options.work = budget > spent ? budget - spent : 0;
        if (request.options.work == 0) {
            row.reason.kind = ReasonKind::OutOfWork;
            return row;
        }
        PlanResult result = FindPlan(request, stop);
        spent += result.workSpent;
        if (result.Cancelled()) break;
        if (result.plan) {
            row.status = lowerUnknown ? ReachRow::Status::Unsettled : ReachRow::Status::Reachable;
            row.level = level;
            row.items = result.plan->items;
            row.bound = result.plan->lowerBound;
            return row;
        }
        if (!Proves(result.reason.kind)) {
            lowerUnknown = true;
            row.reason = result.reason;
        }
        last = std::move(result);
    }
    if (stop.stop_requested()) {
        row.reason.kind = ReasonKind::OutOfWork;
        return row;
    }
    if (lowerUnknown) return row;
    // No level has a plan: the reason is the one for the highest level, where the fewest
    // demands are left to conflict. Refused there before any search, it is asked again
    // with the demands that conflict worked out.
    row.status = ReachRow::Status::Impossible;
    row.reason = last.reason;
    if (last.workSpent == 0) {
        PlanRequest request = RequestFor(r, form, levels.empty() ? kLevelCap : levels.back());
        request.options.work = 1;
        row.reason = FindPlan(request, stop).reason;
    }
    return row;
}

}  // namespace toviran::planner
