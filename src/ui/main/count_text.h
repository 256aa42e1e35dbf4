#pragma once
// The rules of the feed-slot count boxes, on plain text: digits only, the + and -
// buttons, and the number the box stands for.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace toviran {

inline constexpr const char* kEmptyCountText = "1";

// Every character that is not "0".."9" dropped (typed, pasted or dropped text alike).
std::string DigitsOnly(std::string_view text);

// The box's number when it fits a 32-bit count; nullopt for longer digit strings.
// Empty text counts as 0.
std::optional<std::int32_t> CountValue(std::string_view digits);

// + : one more. The largest 32-bit count (and anything beyond) stays as it is.
std::string CountAfterPlus(std::string_view digits);
// - : one less, never below 1; a count beyond 32 bits comes down to the largest one.
std::string CountAfterMinus(std::string_view digits);

}  // namespace toviran
