#pragma once
// What the player reads beside a plan: how its items stand against the planner's proven
// least number, and how a search that did not settle stopped.
#include <string>

#include "planner/plan.h"

namespace toviran::wording {

// Either that no feeding uses fewer items, or that the least is only a floor, with how many
// items fewer it allows at most.
std::string BoundText(int items, int bound);

// A search that stopped with its plan before it knew the plan was the shortest: what
// stopped it. Empty for a search that settled or was cancelled.
std::string SearchCutText(planner::SearchEnd end);

}  // namespace toviran::wording
