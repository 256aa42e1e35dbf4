#pragma once
// The planner window's inputs as a request to the planner.
#include <variant>

#include "engine/messages.h"
#include "planner/plan.h"
#include "ui/planner/planner_controls.h"

namespace toviran {

// The request the inputs make, starting from `current` or from a new mag as chosen; or,
// when an input is missing, the message that says so. Numbers too large for a level are
// left for the planner to refuse with its own reason.
std::variant<planner::PlanRequest, Message> RequestFromInputs(const PlannerControls& c,
                                                              const MagState& current,
                                                              CharacterClass cls,
                                                              SectionIdParity parity);

}  // namespace toviran
