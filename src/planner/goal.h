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
#include "planner/ordering_groups.h"
#include "planner/plan.h"

namespace toviran::planner {

// One group of ways an evolution gives the form it must give: relations among POW, DEX and
// MIND that each of its orderings meets, and the DEF levels it asks for.
struct OrderingOption {
    std::vector<Relation> relations;
    int minDef = 0;
    int maxDef = kLevelCap;
};

// An evolution still ahead that must see one of some orderings.
struct Judgement {
    std::vector<OrderingOption> options;  // empty: nothing asked
    int before = 0;                       // asked while the mag is below this level; judged by then
    int byLevel = 0;                      // the mag's level when judged is at most this
    // A mag with this form needs no ordering (it may keep the form): kNoForm for none.
    int heldForm = kNoForm;
    // The options as bits (by index into OrderingExamples), for a DEF level of 44 or less
    // and for 45 or more: a mag already in one of them needs no raise.
    std::uint16_t alreadyLowDef = 0;
    std::uint16_t alreadyHighDef = 0;
};

struct Goal {
    int level = 0;
    StatRanges stats{};  // each stat's range at the target level
    bool anyForm = false;
    int form = kNoForm;
    // A rare form that a special item gives: its index into SpecialItemInfos(), and what it
    // asks of the mag. The item may be used at any point of the plan where that is met.
    int specialItem = -1;
    SpecialRequirement requirement;
    // From this level on the mag's form no longer changes before the target level.
    int settleLevel = 0;
    // The last evolution before the target level, which must give the form.
    Judgement last;
    // It is judged at the target level itself, on the final levels (no build asked): the
    // bound then asks the final levels for its orderings.
    bool lastAtTarget = false;
    // A route through one second form: the second evolution must give it (kNoForm: any).
    int secondForm = kNoForm;
    Judgement second;
    bool needsIqSynchro = false;  // the search must tell IQ and synchro apart
};

// The goal for a request, or the reason no feeding can reach its target.
std::variant<Goal, Reason> MakeGoal(const PlanRequest& request, const MagCore& start);

// The goal split by the second form the mag takes on the way, when that is still open and
// the target lies beyond it: each route's searches and bound know which table it feeds from
// between levels 35 and 49. Otherwise the goal alone.
std::vector<Goal> Routes(const Goal& goal, const MagCore& start, CharacterClass cls);

// The routes of a request's goal. Any form is reached by reaching one of the forms the mag
// can grow into: each such form gives routes of its own, which their searches and bounds
// know far more sharply than any form at once; the least of their bounds is the request's.
std::vector<Goal> TargetRoutes(const Goal& goal, const PlanRequest& request, const MagCore& start);

// Inline: the searches ask these of every state they make.
inline bool Reached(const Goal& goal, const MagCore& m) {
    if (m.level != goal.level || (!goal.anyForm && m.form != goal.form)) return false;
    for (std::size_t k = 0; k < 4; ++k)
        if (!goal.stats[k].Holds(m.statLevel[k])) return false;
    return true;
}

// The special item can be used on this mag now, on the way to the goal.
inline bool SpecialUsable(const Goal& goal, const MagCore& m) {
    return goal.specialItem >= 0 && !m.rare && RequirementMet(goal.requirement, m);
}

// The mag after the special item.
inline MagCore AfterSpecial(const Goal& goal, const MagCore& m) {
    return AfterSpecialItem(m, goal.form);
}

// True when no further feeding can reach the goal: past the level, a stat above its most,
// the form settled on another, or another second form than the route's.
inline bool Dead(const Goal& goal, const MagCore& m) {
    if (m.level > goal.level) return true;
    for (std::size_t k = 0; k < 4; ++k)
        if (m.statLevel[k] > goal.stats[k].most) return true;
    if (goal.anyForm) return false;
    if (goal.specialItem >= 0) return m.rare && m.form != goal.form;
    if (goal.secondForm != kNoForm && !m.rare && m.level >= kSecondEvolutionLevel &&
        m.level < kFinalEvolutionLevel && m.form != goal.secondForm)
        return true;
    if (m.form == goal.form || m.level < goal.settleLevel) return false;
    return !EvolvesWithNextItem(m);
}

// The forms a mag can take from `start` by feeding with this class and parity (not yet
// asking at which levels): all of them, those it can be fed as from level 35 (before its
// final evolution), and those from level 50.
std::vector<int> FormsAfterFeeding(const MagCore& start, CharacterClass cls,
                                   SectionIdParity parity);
std::vector<int> FormsFedFrom35(const MagCore& start, CharacterClass cls);
std::vector<int> FormsFedFrom50(const MagCore& start, CharacterClass cls, SectionIdParity parity);

}  // namespace toviran::planner
