#pragma once
// The plan's table: one read-only row per press, the slots (item and count) and then the
// mag after the press: form, level, DEF, POW, DEX, MIND, IQ and synchro.
#include <QTableWidget>

#include "planner/plan.h"

namespace toviran {

void ShowPlanInTable(QTableWidget& table, const planner::Plan& plan);

}  // namespace toviran
