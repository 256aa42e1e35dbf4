#pragma once
// The planner window's message boxes.
#include <string_view>

#include "engine/messages.h"
#include "engine/types.h"

namespace toviran {

inline constexpr const char* kPlannerTitle = "えさプランナー";

// The planner's own reason, which says why there is no plan.
Message NoPlanMessage(std::string_view reason);
// この回をセット on the first step of a plan from a new mag, while the mag is another one.
Message NewMagFirstQuestion();
Message LevelMissingMessage();
// A stat box holds what is no condition.
Message StatConditionMessage(StatKind stat);
Message NoItemsMessage();

}  // namespace toviran
