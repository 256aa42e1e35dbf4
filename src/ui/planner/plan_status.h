#pragma once
// The planner window's words about the plan shown: where the player's mag stands on it,
// whether it still answers the window's inputs, and whether the step selected in the table
// can be put into the main window.
#include <cstddef>
#include <string>
#include <vector>

#include "planner/plan.h"
#include "ui/planner/plan_follow.h"

namespace toviran {

struct StatusLine {
    std::string text;
    bool offerAgain = false;  // the mag has left the plan: "もう一度探す" is offered
};

// For a plan that answers the inputs. `dueIsSet` tells whether the main window's feed
// inputs hold the press due next.
StatusLine FollowStatus(const planner::PlanRequest& request, const planner::Plan& plan,
                        const std::vector<PlanStep>& steps, const PlanPlace& place, bool dueIsSet);

// For a plan that no longer answers the inputs (which `classOrIdDiffers` narrows down).
StatusLine StaleStatus(const planner::PlanRequest& request, bool classOrIdDiffers);

// Whether この回をセット may put step `selected` of a plan that answers the inputs into the
// main window. Only the step due next for the mag as it is may be set; a plan from a new
// mag may also begin anew from its first step, after asking. Otherwise `why` says why not.
struct SetChoice {
    bool allowed = false;
    bool makesNewMag = false;
    std::string why;
};
SetChoice ChooseSet(const planner::PlanRequest& request, const planner::Plan& plan,
                    const std::vector<PlanStep>& steps, const PlanPlace& place,
                    std::size_t selected);

// The row header of a step: the press's number, or "特" for the special item.
std::string StepNumberText(const PlanStep& step);

}  // namespace toviran
