#pragma once
// The planner window's inputs as a request to the planner.
#include <optional>
#include <variant>

#include "engine/messages.h"
#include "planner/plan.h"
#include "ui/planner/planner_controls.h"

namespace toviran {

// What a request asks, leaving out the mag it starts from: a plan from the player's mag
// still answers the same inputs while the player feeds along it.
struct RequestKey {
    int form = 0;
    int level = 0;
    planner::StatRanges stats{};
    planner::ItemSet allowedItems = planner::kAllItems;
    CharacterClass characterClass = CharacterClass::HU;
    SectionIdParity parity = SectionIdParity::Even;
    bool startIsNewMag = false;
    friend bool operator==(const RequestKey&, const RequestKey&) = default;
};

RequestKey KeyOf(const planner::PlanRequest& request);

// What the inputs ask, with the main window's class and ID; or, when an input is missing,
// the message that says so.
std::variant<RequestKey, Message> KeyFromInputs(const PlannerControls& c, CharacterClass cls,
                                                SectionIdParity parity);

// The request the inputs make, starting from `current` or from a new mag as chosen; or,
// when an input is missing, the message that says so. Numbers too large for a level are
// left for the planner to refuse with its own reason.
std::variant<planner::PlanRequest, Message> RequestFromInputs(const PlannerControls& c,
                                                              const MagState& current,
                                                              CharacterClass cls,
                                                              SectionIdParity parity);

}  // namespace toviran
