#pragma once
// What the list of forms says of each: how it is had, or why not.
#include <string>

#include "planner/reachability.h"

namespace toviran::wording {

// "HU・偶数ID"
std::string ClassAndIdText(CharacterClass cls, SectionIdParity parity);
// "POW>DEX=MIND" for one of the ordering examples (POW, DEX, MIND levels).
std::string OrderingText(const PdmLevels& pdm);
// The orderings whose bits are set, "POW>DEX>MIND、POW=DEX>MIND".
std::string OrderingsText(std::uint16_t orderings);
// How the form is had, or why it is not, in one phrase ("Lv35の進化で POW>DEX>MIND").
std::string ReachText(const planner::FormReach& reach, CharacterClass cls, SectionIdParity parity);

}  // namespace toviran::wording
