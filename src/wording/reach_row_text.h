#pragma once
// A row of the table of every form a mag can still become, as the player reads it.
#include <string>

#include "planner/reach_table.h"

namespace toviran::wording {

// 「なれます」, 「なれません」 or 「未確定」.
std::string ReachStatusText(planner::ReachRow::Status status);

// The row in full: the lowest level with the plan's items, the bound and the play time; or
// why the form can never be had; or what is known and why the rest is not.
std::string ReachRowText(const planner::ReachRow& row);

}  // namespace toviran::wording
