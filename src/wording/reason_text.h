#pragma once
// The planner's reasons for having no plan, in the words the player reads.
#include <string>

#include "planner/reasons.h"

namespace toviran::wording {

std::string ReasonText(const planner::Reason& reason);

// One demand of a request as a conflict lists it ("POW 0以下").
std::string DemandText(const planner::Demand& demand, CharacterClass cls);

}  // namespace toviran::wording

namespace toviran::planner {
struct ReachRow;
}

namespace toviran::wording {

// Why a row of the table of every form is not settled, or why the form cannot be had: the
// reason toviran-sim prints after the row's numbers.
std::string ReachRowReason(const planner::ReachRow& row);

// For a row not settled below the level it has a plan at: that lower levels were not settled,
// and which limit stopped them ("それより低いレベルで届くかどうかは、…確かめきれませんでした。").
// `verb` is the row's word for reaching the form.
std::string UnsettledBelowText(const planner::ReachRow& row, const std::string& verb);

}  // namespace toviran::wording
