#pragma once
// Why there is no plan, in the words the player reads.
#include <string>
#include <string_view>

#include "engine/types.h"

namespace toviran::planner {

// The start a plan is made from, as the reasons name it.
enum class StartWord { CurrentMag, NewMag };

}  // namespace toviran::planner

namespace toviran::planner::reason {

// "HU・偶数ID"
std::string ClassAndId(CharacterClass cls, SectionIdParity parity);
// The form a class and ID never grow into, for the list of forms.
std::string NeverGrows(CharacterClass cls, SectionIdParity parity);
std::string UnknownStartForm();
std::string StartInconsistent();
// The level as it was typed, so that a number too large for any type is still quoted.
std::string LevelAbove200(std::string_view level);
std::string LevelBelowStart(int level, int startLevel, StartWord start);
std::string StatAbove200(StatKind stat);
std::string BuildSum(int sum, int level);
std::string StatWouldFall(StatKind stat, int now, int wanted, StartWord start);
std::string NotByFeeding(std::string_view form);
std::string OtherParity(std::string_view form, SectionIdParity needed, std::string_view instead);
std::string RareStaysRare(std::string_view form);
// `newMagWould`: a new mag would grow into the form with this class and ID.
std::string ClassCannotReach(std::string_view form, CharacterClass cls, SectionIdParity parity,
                             StartWord start, bool newMagWould);
// A class form meets the second evolution at `at`, which always changes it.
std::string EvolvesAway(std::string_view form, int at, int level);
// The final evolution judged at the target level never gives the form.
std::string EvolvesAtTarget(std::string_view form, int level);
std::string TooEarly(std::string_view form, int fromLevel);
std::string MagEvolvesAt10();
std::string SpecialNeedsLevel(std::string_view entry, int level);
std::string BuildMissesSpecial(std::string_view entry, std::string_view usage);
std::string BuildGivesOtherForm(int level, std::string_view form);
std::string ItemsCannotReach();
std::string Impossible();
std::string ReplayDisagrees();
std::string OutOfTime();
std::string OutOfMemory();
std::string OutOfWork();

}  // namespace toviran::planner::reason
