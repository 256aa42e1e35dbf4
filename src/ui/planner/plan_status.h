#pragma once
// The planner window's status line about the plan shown: where the player's mag stands
// on it, and whether it still answers the window's inputs.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "planner/plan.h"
#include "ui/planner/plan_follow.h"

namespace toviran {

struct StatusLine {
    std::string text;
    bool offerAgain = false;  // the mag has left the plan: "もう一度探す" is offered
};

// For a plan that answers the inputs. `setStep` is the step last put into the main window
// by この回をセット, while the mag has not moved on from it; `dueIsSet` tells whether the
// main window's feed inputs hold the press due next.
StatusLine FollowStatus(const planner::PlanRequest& request, const planner::Plan& plan,
                        const std::vector<PlanStep>& steps, const PlanPlace& place,
                        std::optional<std::size_t> setStep, bool dueIsSet);

// For a plan that no longer answers the inputs (which `classOrIdDiffers` narrows down).
StatusLine StaleStatus(const planner::PlanRequest& request, bool classOrIdDiffers);

// The row header of a step: the press's number, or "特" for the special item.
std::string StepNumberText(const PlanStep& step);

}  // namespace toviran
