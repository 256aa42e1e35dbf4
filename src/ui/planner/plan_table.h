#pragma once
// The plan's table: one read-only row per step, what the player does (a press's slots with
// item and count, or the special item) and then the mag after it: form, level, DEF, POW,
// DEX, MIND, IQ and synchro.
#include <QTableWidget>
#include <vector>

#include "planner/plan.h"
#include "ui/planner/plan_follow.h"

namespace toviran {

void ShowPlanInTable(QTableWidget& table, const planner::Plan& plan,
                     const std::vector<PlanStep>& steps);

// The items column takes the table's spare width but never cuts its text short: in a
// narrow window the table scrolls sideways instead.
void KeepItemsWhole(QTableWidget& table);

}  // namespace toviran
