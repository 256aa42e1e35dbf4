#pragma once
// Puts one press of a plan into the main window's own controls, as the player would set
// them: the class and ID the plan was made for, count or level mode, each slot's item and
// count, and the slots' check boxes. Pressing the feed button then feeds exactly that
// press; this itself feeds nothing.
#include "planner/plan.h"
#include "ui/main/main_controls.h"

namespace toviran {

void SetPressInMainWindow(const MainControls& c, const planner::Press& press, CharacterClass cls,
                          SectionIdParity parity);

}  // namespace toviran
