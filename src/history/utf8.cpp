#include "history/utf8.h"

namespace toviran {
namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;
// The smallest code point that needs 2, 3 and 4 bytes; below it a form is overlong.
constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
constexpr std::size_t kLongestValid = 4;

// How many bytes `lead` announces by its high bits, up to the six of the first UTF-8
// design (whose longer forms still count as one broken character each); 0 for a
// continuation byte and for FE and FF, which start nothing.
std::size_t AnnouncedLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC0) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF8) return 4;
    if (lead < 0xFC) return 5;
    if (lead < 0xFE) return 6;
    return 0;
}

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool Allowed(char32_t code, std::size_t length) {
    return length <= kLongestValid && code >= kSmallestOfLength[length] && code <= kLastCodePoint &&
           (code < kFirstSurrogate || code > kLastSurrogate);
}

}  // namespace

Utf8Step NextUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = AnnouncedLength(lead);
    if (length <= 1) return {1, length == 1};
    char32_t code = lead & (0x7Fu >> length);  // the lead's bits below its length marker
    std::size_t taken = 1;
    while (taken < length && taken < text.size() && IsContinuation(text[taken])) {
        code = (code << 6) | (static_cast<unsigned char>(text[taken]) & 0x3Fu);
        ++taken;
    }
    return {taken, taken == length && Allowed(code, length)};
}

bool IsValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const Utf8Step step = NextUtf8(text);
        if (!step.valid) return false;
        text.remove_prefix(step.length);
    }
    return true;
}

}  // namespace toviran
