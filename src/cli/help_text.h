#pragma once
// What toviran-sim prints for --help and --version.
#include <string>

namespace toviran::sim {

std::string HelpText();
std::string VersionText();

}  // namespace toviran::sim
