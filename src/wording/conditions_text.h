#pragma once
// Stat conditions and targets as the player reads them back: 「POW 100以上、DEX 45～60」.
#include <optional>
#include <string>
#include <string_view>

#include "planner/plan.h"

namespace toviran::wording {

// "DEF", "POW", "DEX", "MIND"
std::string StatName(StatKind stat);
// One stat's range: "45", "100以上", "60以下", "45～60"; empty for any.
std::string RangeText(const planner::StatRange& range);
// The stats asked, 「POW 100以上、DEX 45～60」; empty when none is.
std::string ConditionsText(const planner::StatRanges& stats);
// The form of a target: its name, or 「任意の姿」.
std::string TargetFormText(int form);

}  // namespace toviran::wording

namespace toviran::wording {

// A stat condition as typed: "N" (exactly), "N.." (at least), "..N" (at most), "N..M"
// (between), "*" or nothing (any). Numbers are half-width digits; one too large for a
// level is read as a number above 200, which the planner refuses with its reason. Nothing
// for text that is none of these.
std::optional<planner::StatRange> ReadRange(std::string_view text);
// How to write one, for a tooltip or an error.
std::string RangeSyntaxText();

}  // namespace toviran::wording
