#pragma once
// The planner window's message boxes.
#include <string_view>

#include "engine/messages.h"

namespace toviran {

inline constexpr const char* kPlannerTitle = "えさプランナー";

Message NoPlanMessage(std::string_view reason);
Message LevelMissingMessage();
Message BuildPartlyGivenMessage();
Message NoItemsMessage();

}  // namespace toviran
