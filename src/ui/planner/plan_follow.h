#pragma once
// Where the player's mag stands on a plan: which press is due next, whether only the
// special item is left, whether the plan is done, or whether the mag has left the plan.
#include <cstddef>

#include "engine/mag_core.h"
#include "planner/plan.h"

namespace toviran {

struct PlanPlace {
    enum class Kind { Press, SpecialItem, Done, Off };
    Kind kind = Kind::Off;
    std::size_t press = 0;  // Kind::Press: the press due next
    friend bool operator==(const PlanPlace&, const PlanPlace&) = default;
};

// `start` is the mag the plan begins with, `now` the player's mag.
PlanPlace PlaceOnPlan(const planner::Plan& plan, const MagCore& start, const MagCore& now);

}  // namespace toviran
