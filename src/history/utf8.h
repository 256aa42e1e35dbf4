#pragma once
// Reading UTF-8 one sequence at a time, strictly: no overlong forms, no surrogates, nothing
// past U+10FFFF.
#include <cstddef>
#include <string_view>

namespace toviran {

struct Utf8Step {
    std::size_t length;  // bytes taken, at least 1
    bool valid;          // false: a broken sequence, to be read as one character
};

// The sequence at the start of `text` (not empty). A broken one is as long as the part
// that could still have begun a character, so that reading resumes at the byte that broke it.
Utf8Step NextUtf8(std::string_view text);

bool IsValidUtf8(std::string_view text);

}  // namespace toviran
