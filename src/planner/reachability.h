#pragma once
// Which of the 57 forms a new mag can grow into with a class and section ID, from which
// level the evolution tables allow each, and how. Computed from the engine's own tables.
#include <optional>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

#include "planner/plan.h"

namespace toviran::planner {

struct FormReach {
    int form = 0;
    bool reachable = false;
    // The lowest level the evolution tables (or the special item's condition) allow; the
    // feed tables may ask for more, which LowestPlannedLevel finds out.
    int fromLevel = 0;
    // Levels between the candidates LowestPlannedLevel tries: a final form can only be
    // given at a multiple of 5.
    int levelStep = 1;
    int specialItem = -1;  // a rare form: the special item that gives it
    std::string how;       // how it is reached, or why it is not, in Japanese
};

// Every form, in catalogue order.
std::vector<FormReach> ReachableForms(CharacterClass cls, SectionIdParity parity);

// The lowest level from `reach.fromLevel` up at which the planner finds `reach.form` from a
// new mag, with the plan it found there. Nothing when it finds none up to level 200 or
// when stopped.
std::optional<std::pair<int, Plan>> LowestPlannedLevel(const FormReach& reach, CharacterClass cls,
                                                       SectionIdParity parity,
                                                       const PlanOptions& options,
                                                       std::stop_token stop = {});

// "POW>DEX=MIND" for one of the ordering examples (POW, DEX, MIND levels).
std::string OrderingText(const PdmLevels& pdm);

}  // namespace toviran::planner
