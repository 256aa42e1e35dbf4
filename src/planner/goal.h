#pragma once
// What counts as reaching a target, what can never reach it any more, and, before any
// search, the reasons a target cannot be reached at all.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/mag_core.h"
#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"
#include "planner/plan.h"

namespace toviran::planner {

// One way the last evolution gives the target form: POW, DEX and MIND in groups of equal
// levels, each group above the one before it (bit k stands for stat k of StatKind; an
// empty group ends the list), and the DEF levels it asks for.
struct OrderingOption {
    std::array<std::uint8_t, 3> groups{};
    int minDef = 0;
    int maxDef = 200;
};

struct Goal {
    int level = 0;
    std::optional<StatArray> build;
    int form = kNoForm;  // kNoForm: any form, for a rare form that the special item gives
    int specialItem = -1;
    SpecialRequirement requirement;
    // From this level on the mag's form no longer changes before the target level.
    int settleLevel = 0;
    // The ways the last evolution before the target level can give the form (empty when no
    // evolution is left to judge it), and the most levels the mag can have then.
    std::vector<OrderingOption> orderings;
    int orderingLevel = 0;
    // The same orderings as bits (by index into OrderingExamples), for a DEF level of 44 or
    // less and for 45 or more: a mag already in one of them needs no raise.
    std::uint16_t orderingsLowDef = 0;
    std::uint16_t orderingsHighDef = 0;
    bool needsIqSynchro = false;  // the search must tell IQ and synchro apart
};

// The goal for a request, or the reason no feeding can reach its target.
std::variant<Goal, std::string> MakeGoal(const PlanRequest& request, const MagCore& start);

// Inline: the searches ask these of every state they make.
inline bool Reached(const Goal& goal, const MagCore& m) {
    if (m.level != goal.level || (goal.build && m.statLevel != *goal.build)) return false;
    return goal.form != kNoForm ? m.form == goal.form : RequirementMet(goal.requirement, m);
}

// True when no further feeding can reach the goal: past the level, a stat above the build,
// or the form settled on another.
inline bool Dead(const Goal& goal, const MagCore& m) {
    if (m.level > goal.level) return true;
    if (goal.build) {
        for (int k = 0; k < 4; ++k)
            if (m.statLevel[k] > (*goal.build)[k]) return true;
    }
    if (goal.form == kNoForm || m.form == goal.form || m.level < goal.settleLevel) return false;
    // A マグ set to level 10 or more takes its class form with the next item.
    const bool evolvesNext = m.form == Form("マグ") && !m.rare && m.level >= kFirstEvolutionLevel &&
                             m.level < kSecondEvolutionLevel;
    return !evolvesNext;
}

// The forms a mag can take from `start` by feeding with this class and parity (not yet
// asking at which levels): all of them, those it can be fed as from level 35 (before its
// final evolution), and those from level 50.
std::vector<int> FormsAfterFeeding(const MagCore& start, CharacterClass cls,
                                   SectionIdParity parity);
std::vector<int> FormsFedFrom35(const MagCore& start, CharacterClass cls);
std::vector<int> FormsFedFrom50(const MagCore& start, CharacterClass cls, SectionIdParity parity);

}  // namespace toviran::planner
