#pragma once
// The script language: one command per line.
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "cli/command.h"

namespace toviran::sim {

struct SkipLine {};  // blank or comment
struct ParseError {
    std::string reason;
};
using ParsedLine = std::variant<SkipLine, Command, ParseError>;

ParsedLine ParseLine(std::string_view line);

// One line per command, "NAME ARGUMENTS" and what it does, for the usage text.
std::string CommandSummary();

}  // namespace toviran::sim
