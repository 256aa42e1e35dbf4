#include "ui/main/count_text.h"

#include <algorithm>
#include <limits>

namespace toviran {
namespace {

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string DigitsOnly(std::string_view text) {
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), IsDigit);
    return digits;
}

std::optional<std::int32_t> CountValue(std::string_view digits) {
    std::int64_t value = 0;
    for (char c : digits) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kLargest) return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::string CountAfterPlus(std::string_view digits) {
    const auto value = CountValue(digits);
    if (!value || *value == kLargest) return std::string(digits);
    return std::to_string(*value + 1);
}

std::string CountAfterMinus(std::string_view digits) {
    const auto value = CountValue(digits);
    if (!value) return std::to_string(kLargest);
    return std::to_string(std::max(*value - 1, 1));
}

}  // namespace toviran
