#pragma once
// Where the player's mag stands on a plan. A plan is carried out step by step: each press
// of the feed button, and for a rare form the special item from the rare-evolution list
// (which may come between presses). The mag is on the plan when it equals the mag before
// some step; it may come back to the plan by undo, a new mag or the parameter window.
#include <cstddef>
#include <vector>

#include "engine/feeding.h"
#include "engine/mag_core.h"
#include "planner/plan.h"

namespace toviran {

struct PlanStep {
    enum class Kind { Press, SpecialItem };
    Kind kind = Kind::Press;
    std::size_t press = 0;  // Kind::Press: index into the plan's presses
    MagCore before;
    MagCore after;
};

// The plan's steps in order, the first starting from `start`.
std::vector<PlanStep> PlanSteps(const planner::Plan& plan, const MagCore& start);

struct PlanPlace {
    enum class Kind { Step, Done, Off };
    Kind kind = Kind::Off;
    std::size_t step = 0;  // Kind::Step: the step due next
    friend bool operator==(const PlanPlace&, const PlanPlace&) = default;
};

// Where `now` stands on the steps that begin at `start`.
PlanPlace PlaceOnPlan(const std::vector<PlanStep>& steps, const MagCore& start, const MagCore& now);

// True when the two mags grow alike from here: the feed table a mag last used is left out,
// since the next item chooses it afresh from the form (undo and a new mag keep the old one).
bool SameMag(const MagCore& a, const MagCore& b);

// True when the main window's feed inputs feed what `press` (one press's inputs) feeds.
bool InputsHold(const FeedRequest& inputs, const FeedRequest& press);

}  // namespace toviran
