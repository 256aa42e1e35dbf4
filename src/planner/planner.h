#pragma once
// The feed planner.
#include <stop_token>

#include "planner/plan.h"

namespace toviran::planner {

// Plans the shortest feeding it can find for the request. A plan is only returned after
// the program's own feeding run has carried it out on a copy of the mag to the target.
// Stops early, with no plan, when `stop` is requested.
PlanResult FindPlan(const PlanRequest& request, std::stop_token stop = {},
                    const ProgressFn& progress = {});

}  // namespace toviran::planner
