#pragma once
// The + and - buttons of the feed-slot count boxes, on plain text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace toviran {

inline constexpr const char* kEmptyCountText = "1";

// + : one more. The largest 32-bit count (and anything beyond) stays as it is.
std::string CountAfterPlus(std::string_view digits);
// - : one less, never below 1; a count beyond 32 bits comes down to the largest one.
std::string CountAfterMinus(std::string_view digits);

}  // namespace toviran
