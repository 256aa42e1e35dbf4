#pragma once
// A plan as toviran-sim script lines: the one writer of the script language (toviran-sim
// holds its reader), so that what the planner window copies and what the simulator prints
// read back the same.
#include <string>
#include <vector>

#include "planner/plan.h"

namespace toviran::sim {

// The presses ("feed ITEM COUNT ...", "feedto ITEM LEVEL"), with "rare ENTRY" where the
// plan uses the special item.
std::vector<std::string> PlanScriptLines(const planner::Plan& plan);

// A whole script: a comment naming the target, the class and ID, the starting mag ("new",
// or "set" with its values), the presses, and "show" to print where the mag ends.
std::string PlanScript(const planner::PlanRequest& request, const planner::Plan& plan);

}  // namespace toviran::sim
