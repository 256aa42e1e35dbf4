#include "cli/typed_mag_name.h"

#include "engine/feed_tables.h"

namespace toviran::sim {
namespace {

// '0'..'9' as U+FF10..U+FF19 in UTF-8.
std::string FullWidthDigits(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            out += "\xEF\xBC";
            out += static_cast<char>('\x90' + (c - '0'));
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> CatalogueName(std::string_view typed) {
    if (IsMagName(typed)) return std::string(typed);
    std::string wide = FullWidthDigits(typed);
    if (IsMagName(wide)) return wide;
    return std::nullopt;
}

}  // namespace toviran::sim
