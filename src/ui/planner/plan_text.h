#pragma once
// A plan in words: the items of a press, the plan's totals, the class and ID, and the
// plan as a toviran-sim script that sets up the starting mag and replays the presses.
#include <string>

#include "planner/plan.h"

namespace toviran {

// "HU・偶数ID"
std::string ClassAndIdText(CharacterClass cls, SectionIdParity parity);
// A form's name; "？" for a name that is none of the forms.
std::string FormText(int form);
// "トリメイト×20" and "ディメイト×5" on lines of their own, or "トリメイト→Lv35" for a
// level-mode press.
std::string PressItemsText(const planner::Press& press);
// "えさ 130個・2回・下限 125個（差 5）", and for a rare form the special item used last.
std::string PlanSummaryText(const planner::Plan& plan);
// The script: a comment naming the target, the class and ID, the starting mag ("new", or
// "set" with its values), the presses, and "show" to print where the mag ends.
std::string PlanScriptText(const planner::PlanRequest& request, const planner::Plan& plan);

}  // namespace toviran
