#pragma once
// Why there is no plan, in the words the player reads.
#include <string>
#include <string_view>

#include "engine/types.h"

namespace toviran::planner::reason {

std::string UnknownStartForm();
std::string StartInconsistent();
std::string LevelAbove200(int level);
std::string LevelBelowStart(int level, int startLevel);
std::string StatAbove200(StatKind stat);
std::string BuildSum(int sum, int level);
std::string StatWouldFall(StatKind stat, int now, int wanted);
std::string NotByFeeding(std::string_view form);
std::string OtherParity(std::string_view form, SectionIdParity needed, std::string_view instead);
std::string RareStaysRare(std::string_view form);
std::string ClassCannotReach(std::string_view form, CharacterClass cls, SectionIdParity parity);
std::string TooEarly(std::string_view form, int fromLevel);
std::string MagEvolvesAt10();
std::string FormSettled(std::string_view form, int level);
std::string SpecialNeedsLevel(std::string_view entry, int level);
std::string BuildMissesSpecial(std::string_view entry, std::string_view usage);
std::string BuildGivesOtherForm(int level, std::string_view form);
std::string ItemsCannotReach();
std::string SearchExhausted();
std::string Impossible();
std::string ReplayDisagrees();
std::string OutOfTime();
std::string OutOfMemory();

}  // namespace toviran::planner::reason
