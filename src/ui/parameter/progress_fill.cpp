#include "ui/parameter/progress_fill.h"

#include <charconv>

#include "engine/mag_core.h"

namespace toviran {

double ProgressBoxFillTwips(std::string_view boxText, double backgroundTwips) {
    long long value = 0;
    const auto [end, error] =
        std::from_chars(boxText.data(), boxText.data() + boxText.size(), value);
    if (error != std::errc() || end != boxText.data() + boxText.size() || value <= 0) return 1.0;
    return static_cast<double>(value) / kProgressPerLevel * backgroundTwips;
}

}  // namespace toviran
