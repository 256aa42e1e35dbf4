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

// The sequence at the start of `text` (not empty). A broken one takes its lead byte and
// the continuation bytes that follow, up to as many as the lead announces, so that an
// overlong form, a surrogate or a code point past U+10FFFF reads as one character; a byte
// that cannot continue it ends it, and reading resumes there.
Utf8Step NextUtf8(std::string_view text);

bool IsValidUtf8(std::string_view text);

}  // namespace toviran
