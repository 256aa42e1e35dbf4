#pragma once
// The --strict check: item and special-item names that the program does not know.
#include <optional>
#include <string>

#include "cli/command.h"

namespace toviran::sim {

// Why the command names an item or special item that is not one of the program's, or
// nothing when every name is known or the command names none.
std::optional<std::string> UnknownNameReason(const Command& command);

}  // namespace toviran::sim
