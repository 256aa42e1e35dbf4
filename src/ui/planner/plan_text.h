#pragma once
// A plan in words: what it was asked for, the items of a press, the plan's totals, the
// class and ID, and the plan as a toviran-sim script that sets up the starting mag and
// replays the presses.
#include <string>
#include <vector>

#include "planner/plan.h"

namespace toviran {

// "HU・偶数ID"
std::string ClassAndIdText(CharacterClass cls, SectionIdParity parity);
// A form's name; "？" for a name that is none of the forms.
std::string FormText(int form);
// "トリメイト×20" and "ディメイト×5", one for each slot, or "トリメイト→Lv35" for a
// level-mode press.
std::vector<std::string> PressItemTexts(const planner::Press& press);
// The special item's step: "レアマグ進化「ピアンの心」".
std::string SpecialItemStepText(int specialItem);
// What the plan answers: "カバンダ Lv100（DEF 5・POW 30・DEX 15・MIND 50）、HU・偶数ID、
// 新しいマグから", naming the start mag when it is the player's, and the items when not all.
std::string RequestText(const planner::PlanRequest& request);
// "えさ 130個、与える 2回（えさ時計で約7時間10分）。", for a rare form when the special
// item is used, and on a line of its own, when the search stopped before it settled, what
// stopped it, then against the planner's proven least number of items, either that no
// feeding uses fewer or that the least is only a floor. A plan with nothing to do says that
// the mag is already the target.
std::string PlanSummaryText(const planner::Plan& plan,
                            planner::SearchEnd end = planner::SearchEnd::Found);
// The script: a comment naming the target, the class and ID, the starting mag ("new", or
// "set" with its values), the presses, and "show" to print where the mag ends.
std::string PlanScriptText(const planner::PlanRequest& request, const planner::Plan& plan);

}  // namespace toviran
