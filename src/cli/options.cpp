#include "cli/options.h"

#include <algorithm>
#include <iterator>

namespace toviran::sim {
namespace {

struct Flag {
    std::string_view name;
    bool SimOptions::*field;
};

constexpr Flag kFlags[] = {
    {"--help", &SimOptions::help},
    {"-h", &SimOptions::help},
    {"--version", &SimOptions::version},
    {"--strict", &SimOptions::strict},
};

// "-" alone names standard input, so it is a script, not an option.
bool LooksLikeOption(std::string_view arg) {
    return arg.size() > 1 && arg.front() == '-';
}

}  // namespace

std::variant<SimOptions, OptionError> ParseOptions(std::span<const std::string_view> args) {
    SimOptions options;
    bool scriptGiven = false;
    bool optionsEnded = false;
    for (const std::string_view arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && LooksLikeOption(arg)) {
            const auto flag = std::ranges::find(kFlags, arg, &Flag::name);
            if (flag == std::end(kFlags))
                return OptionError{"知らないオプション「" + std::string(arg) + "」です"};
            options.*(flag->field) = true;
        } else if (scriptGiven) {
            return OptionError{"台本は1つだけ指定できます"};
        } else {
            options.script = arg;
            scriptGiven = true;
        }
    }
    return options;
}

}  // namespace toviran::sim
