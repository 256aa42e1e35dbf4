#pragma once
// The command line of toviran-sim: options first, then at most one script.
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace toviran::sim {

struct SimOptions {
    bool help = false;
    bool version = false;
    // Unknown item and special-item names make a line malformed instead of feeding nothing.
    bool strict = false;
    std::string script = "-";  // "-" is standard input
};
struct OptionError {
    std::string reason;
};

// `args` without the program name. "--" ends the options.
std::variant<SimOptions, OptionError> ParseOptions(std::span<const std::string_view> args);

}  // namespace toviran::sim
