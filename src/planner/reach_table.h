#pragma once
// Every form a mag can still become: for each, the lowest level at which it can be that
// form and the fewest items to get there, or why it never can, or that the budget ran out
// before it was known. Each form is worked out on its own, by work, so that the table is the
// same on any machine whatever order its rows are filled in.
#include <stop_token>

#include "planner/plan.h"

namespace toviran::planner {

struct ReachRequest {
    MagState start;
    CharacterClass characterClass = CharacterClass::HU;
    SectionIdParity parity = SectionIdParity::Even;
    bool startIsNewMag = false;
    PlanOptions options = ReachOptions();

    // A row's budget: far less than one plan's, so that the whole table stays quick.
    static PlanOptions ReachOptions() {
        PlanOptions options;
        options.work = kReachWork;
        options.threads = 1;
        return options;
    }
};

struct ReachRow {
    enum class Status { Reachable, Impossible, Unsettled };
    int form = 0;
    Status status = Status::Unsettled;
    // Reachable: the lowest level. Unsettled: a level with a plan found (0: none found);
    // a lower level may still have one.
    int level = 0;
    int items = 0;  // the plan's, at that level
    int bound = 0;  // no plan to that level uses fewer items
    // Impossible: why. Unsettled: what stopped the search.
    Reason reason;
    PlanRequest PlanAt(const ReachRequest& request) const;
};

ReachRow ReachOf(const ReachRequest& request, int form, std::stop_token stop = {});

}  // namespace toviran::planner
