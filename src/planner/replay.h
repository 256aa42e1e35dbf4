#pragma once
// A plan as the player carries it out: the main window's inputs for each press, and the
// program's own feeding run to check the plan with.
#include <string>
#include <vector>

#include "engine/feeding.h"
#include "planner/plan.h"

namespace toviran::planner {

// The main window set for the press: mode, each slot's item and count, the slots in use.
FeedRequest FeedRequestFor(const Press& press, CharacterClass cls, SectionIdParity parity);

// Feeds the plan press by press through the feeding run on a copy of the starting mag, then
// uses the special item if there is one. True when every press leaves the mag exactly as
// planned, nothing was refused, and the mag ends as the plan says.
bool ReplayConfirms(const PlanRequest& request, const Plan& plan);

}  // namespace toviran::planner
