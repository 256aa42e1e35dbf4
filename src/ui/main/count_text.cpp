#include "ui/main/count_text.h"

#include <algorithm>
#include <limits>

#include "engine/feeding.h"

namespace toviran {
namespace {

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();

}  // namespace

std::string CountAfterPlus(std::string_view digits) {
    const auto value = CountFromText(digits);
    if (!value || *value == kLargest) return std::string(digits);
    return std::to_string(*value + 1);
}

std::string CountAfterMinus(std::string_view digits) {
    const auto value = CountFromText(digits);
    if (!value) return std::to_string(kLargest);
    return std::to_string(std::max(*value - 1, 1));
}

}  // namespace toviran
