#pragma once
// Why a target no feeding reaches cannot be reached, as data for the player: the fewest of
// the request's demands that cannot hold together, each step of the way proven by the bound
// itself (a relaxed request that the bound still proves out of reach).
#include "planner/plan.h"

namespace toviran::planner {

// For a request whose bound already proves it out of reach from `start`.
Reason WhyUnreachable(const PlanRequest& request, const MagCore& start);

// For a request whose searches followed every feeding that could still reach it, and
// found none.
Reason WhyExhausted(const PlanRequest& request, const MagCore& start);

}  // namespace toviran::planner
