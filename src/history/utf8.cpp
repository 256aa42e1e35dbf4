#include "history/utf8.h"

namespace toviran {
namespace {

// Length of the sequence that `lead` starts, or 0 for a byte that starts none
// (continuation bytes, the overlong leads C0 and C1, and leads past U+10FFFF).
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The range of the second byte, which alone rules out overlong forms, surrogates and
// code points past U+10FFFF; every later byte is a plain continuation byte.
bool SecondByteAllowed(unsigned char lead, unsigned char second) {
    if (lead == 0xE0) return second >= 0xA0 && second <= 0xBF;
    if (lead == 0xED) return second >= 0x80 && second <= 0x9F;
    if (lead == 0xF0) return second >= 0x90 && second <= 0xBF;
    if (lead == 0xF4) return second >= 0x80 && second <= 0x8F;
    return second >= 0x80 && second <= 0xBF;
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

}  // namespace

Utf8Step NextUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0) return {1, false};
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= text.size()) return {i, false};
        const auto c = static_cast<unsigned char>(text[i]);
        if (i == 1 ? !SecondByteAllowed(lead, c) : !IsContinuation(c)) return {i, false};
    }
    return {length, true};
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
