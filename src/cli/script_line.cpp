#include "cli/script_line.h"

namespace toviran::sim {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the UTF-8 sequence that starts with `lead`, or 0 for a byte that cannot
// start one (continuation bytes, overlong leads C0/C1, and leads past U+10FFFF).
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Rejects the overlong, surrogate and out-of-range forms that the lead byte alone
// does not rule out.
bool SecondByteAllowed(unsigned char lead, unsigned char second) {
    if (lead == 0xE0) return second >= 0xA0;
    if (lead == 0xED) return second <= 0x9F;
    if (lead == 0xF0) return second >= 0x90;
    if (lead == 0xF4) return second <= 0x8F;
    return true;
}

}  // namespace

std::vector<std::string> SplitWords(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) words.emplace_back(line.substr(start, i - start));
    }
    if (!words.empty() && words.front().starts_with('#')) words.clear();
    return words;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = SequenceLength(lead);
        if (length == 0 || i + length > text.size()) return false;
        for (int k = 1; k < length; ++k) {
            if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) return false;
        }
        if (length > 2 && !SecondByteAllowed(lead, static_cast<unsigned char>(text[i + 1])))
            return false;
        i += length;
    }
    return true;
}

}  // namespace toviran::sim
