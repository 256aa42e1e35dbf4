#pragma once
// The history file's encoding: CP932 (Shift_JIS with the Windows extensions).
#include <cstddef>
#include <string>
#include <string_view>

namespace toviran {

struct Cp932Text {
    std::string bytes;
    std::size_t replaced = 0;  // characters written as "?", which CP932 cannot hold
};

// UTF-8 to CP932. A character CP932 cannot hold, and a broken UTF-8 sequence, become one
// "?" each (the code page's replacement character).
Cp932Text ToCp932(std::string_view utf8);

}  // namespace toviran
