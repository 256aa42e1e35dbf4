#pragma once
// A mag's name as a script types it.
#include <optional>
#include <string>
#include <string_view>

namespace toviran::sim {

// The name among the 57 that `typed` means, or nothing. One name holds a full-width digit
// (マーク３); typed with the keyboard's half-width digit (マーク3) it is the same name.
std::optional<std::string> CatalogueName(std::string_view typed);

}  // namespace toviran::sim
