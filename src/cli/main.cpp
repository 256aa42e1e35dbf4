// toviran-sim: runs a script of user actions against the mag engine and prints what the
// program would show.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>

#include "cli/command_parser.h"
#include "cli/simulator.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitMalformed = 2;

void PrintUsage(std::ostream& out) {
    out << "usage: toviran-sim [FILE]\n"
           "Reads commands from FILE, or from standard input when FILE is absent or \"-\".\n"
           "Commands:\n"
        << toviran::sim::CommandSummary();
}

// Runs every line until the first malformed one, which ends the run.
int RunScript(std::istream& in) {
    toviran::sim::Simulator simulator(std::cout);
    std::string line;
    for (long lineNo = 1; std::getline(in, line); ++lineNo) {
        const auto parsed = toviran::sim::ParseLine(line);
        if (const auto* error = std::get_if<toviran::sim::ParseError>(&parsed)) {
            std::cout.flush();
            std::cerr << "error: line " << lineNo << ": " << error->reason << '\n';
            return kExitMalformed;
        }
        if (const auto* command = std::get_if<toviran::sim::Command>(&parsed)) {
            simulator.Execute(*command);
            std::cout.flush();  // someone typing commands sees each answer at once
        }
    }
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        PrintUsage(std::cerr);
        return kExitMalformed;
    }
    const std::string_view source = argc == 2 ? argv[1] : "-";
    if (source == "--help" || source == "-h") {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (source == "-") return RunScript(std::cin);
    std::ifstream file{std::string(source)};
    if (!file) {
        std::cerr << "error: cannot open " << source << ": " << std::strerror(errno) << '\n';
        return kExitMalformed;
    }
    return RunScript(file);
}
