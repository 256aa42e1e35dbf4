#pragma once
// The chart's index of how each of the 57 forms is reached: for each class and ID, the
// evolution and orderings (or the special item and its condition) that give it and the
// lowest level the tables allow, with links to the tables that lead to it.
#include <ostream>

namespace toviran::chart {

inline constexpr const char* kReachId = "reach";

// Links to every form's entry, for the table of contents.
void FormContents(std::ostream& out);
// One entry per form, each anchored "form-N".
void ReachIndex(std::ostream& out);

}  // namespace toviran::chart
