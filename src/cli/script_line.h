#pragma once
// Turning one script line into words.
#include <string>
#include <string_view>
#include <vector>

namespace toviran::sim {

// The words of a line, split at ASCII spaces and tabs. Blank lines and comment lines
// (first non-blank character "#") give no words. A trailing CR is dropped so that
// scripts saved with CR LF line ends read the same.
std::vector<std::string> SplitWords(std::string_view line);

}  // namespace toviran::sim
