#pragma once
// The planner's list of target forms: the 57 forms in catalogue order, each item holding
// its form number, then any form (「任意の姿」, holding kAnyForm). Forms that the class and ID
// cannot reach are greyed, with the reason as their tooltip (the others tell how they are reached);
// rare forms name their special item.
#include <QComboBox>
#include <QLabel>
#include <vector>

#include "planner/reachability.h"

namespace toviran {

// Fills the list on first use and marks it anew for `reach` (one entry per form of the
// catalogue), keeping the form picked.
void ShowReach(QComboBox& list, const std::vector<planner::FormReach>& reach, CharacterClass cls,
               SectionIdParity parity);

// The form picked in the list, or kAnyForm.
int PickedForm(const QComboBox& list);

// True when the list shows the form greyed.
bool FormGreyed(const QComboBox& list, int form);

// The closed list shows the form picked greyed when it cannot be reached, with the reason
// in `note` beneath; `reach` is the picked form's entry, none for any form.
void ShowPickedReach(QComboBox& list, QLabel& note, const planner::FormReach* reach,
                     CharacterClass cls, SectionIdParity parity);

}  // namespace toviran
