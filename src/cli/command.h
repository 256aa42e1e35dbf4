#pragma once
// One script line as a value: what the user would do in the program, with the texts
// exactly as typed.
#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/parameters.h"
#include "engine/types.h"
#include "planner/plan.h"

namespace toviran::sim {

struct SelectClass {
    CharacterClass value;
};
struct SelectParity {
    SectionIdParity value;
};
struct FeedPair {
    std::string item;
    std::string countText;
};
// Count mode: pair k fills slot k; one to four pairs.
struct FeedByCount {
    std::vector<FeedPair> pairs;
};
// Level mode: slot 1's item up to the typed target level.
struct FeedToLevel {
    std::string item;
    std::string levelText;
};
struct PickRareEntry {
    std::string entry;
};
struct PressUndo {};
struct StartNewMag {};
// The parameter window: a name picked from its list and the ten boxes as typed.
struct SetParameters {
    ParameterInput typed;
};
struct Convert {};
struct ShowState {};
struct ShowHistory {};
struct SaveHistory {
    std::string path;
};
// The feed planner from the current mag: a form ("*" for any), a level and optionally a
// condition on each of the four stats.
struct PlanFeeding {
    std::string form;
    std::string levelText;
    planner::StatRanges stats{};
};
// Every form the current mag can still become, as the planner finds it.
struct ReachForms {};
// The planner's budget for the plan and reach lines after it, times this.
struct SetEffort {
    int effort = 1;
};

using Command = std::variant<SelectClass, SelectParity, FeedByCount, FeedToLevel, PickRareEntry,
                             PressUndo, StartNewMag, SetParameters, Convert, ShowState, ShowHistory,
                             SaveHistory, PlanFeeding, ReachForms, SetEffort>;

}  // namespace toviran::sim
