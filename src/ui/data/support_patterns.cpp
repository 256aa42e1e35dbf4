#include "ui/data/support_patterns.h"

#include <array>

namespace toviran {
namespace {

struct PatternRow {
    SupportPattern pattern;
    SupportTexts texts;
};

constexpr std::string_view kNone = "-";
constexpr std::string_view kInvincible = "無敵";
constexpr std::string_view kShifta = "シフデバ";
constexpr std::string_view kResta = "レスタ";
constexpr std::string_view kReverser = "リバーサー";

// Spelled out rather than decoded from the letters, so the NMRS exception needs no branch.
constexpr std::array<PatternRow, 14> kPatterns{{
    {SupportPattern::NNNN, {kNone, kNone, kNone, kNone}},
    {SupportPattern::MNNS, {kInvincible, kNone, kNone, kShifta}},
    {SupportPattern::MNNR, {kInvincible, kNone, kNone, kResta}},
    {SupportPattern::MRNS, {kInvincible, kResta, kNone, kShifta}},
    {SupportPattern::MSNN, {kInvincible, kShifta, kNone, kNone}},
    {SupportPattern::MRNR, {kInvincible, kResta, kNone, kResta}},
    {SupportPattern::MRRS, {kInvincible, kResta, kReverser, kShifta}},
    {SupportPattern::NRRS, {kNone, kResta, kReverser, kShifta}},
    {SupportPattern::MMRM, {kInvincible, kInvincible, kReverser, kInvincible}},
    {SupportPattern::MSRS, {kInvincible, kShifta, kReverser, kShifta}},
    {SupportPattern::RRRR, {kResta, kResta, kReverser, kResta}},
    {SupportPattern::NSRS, {kNone, kShifta, kReverser, kShifta}},
    {SupportPattern::SSRS, {kShifta, kShifta, kReverser, kShifta}},
    {SupportPattern::NMRS, {kNone, kInvincible, kResta, kShifta}},
}};

// The rows are in enum order, so the enum value is the row index.
static_assert([] {
    for (std::size_t i = 0; i < kPatterns.size(); ++i) {
        if (static_cast<std::size_t>(kPatterns[i].pattern) != i) return false;
    }
    return true;
}());

}  // namespace

SupportTexts SupportTextsOf(SupportPattern pattern) {
    return kPatterns.at(static_cast<std::size_t>(pattern)).texts;
}

}  // namespace toviran
