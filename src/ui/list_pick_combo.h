#pragma once
// An editable combo box whose edit part only shows text: a name typed there is never
// taken for a pick, whether by Enter, by the focus leaving the box, by completion or by
// adding it to the list. Only a pick from the list (its activated signal) chooses an entry.
class QComboBox;

namespace toviran {

void MakeListPickOnly(QComboBox& combo);

}  // namespace toviran
