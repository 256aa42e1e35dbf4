#include "wording/conditions_text.h"

#include "engine/mag_forms.h"

namespace toviran::wording {

std::string StatName(StatKind stat) {
    constexpr const char* kNames[] = {"DEF", "POW", "DEX", "MIND"};
    return kNames[static_cast<int>(stat)];
}

std::string RangeText(const planner::StatRange& range) {
    if (range.Any()) return {};
    if (range.Exact()) return std::to_string(range.least);
    if (range.most >= kLevelCap) return std::to_string(range.least) + "以上";
    if (range.least <= 0) return std::to_string(range.most) + "以下";
    return std::to_string(range.least) + "～" + std::to_string(range.most);
}

std::string ConditionsText(const planner::StatRanges& stats) {
    std::string text;
    for (std::size_t k = 0; k < stats.size(); ++k) {
        const std::string range = RangeText(stats[k]);
        if (range.empty()) continue;
        if (!text.empty()) text += "、";
        text += StatName(static_cast<StatKind>(k)) + " " + range;
    }
    return text;
}

std::string TargetFormText(int form) {
    if (form == planner::kAnyForm) return "任意の姿";
    if (form < 0 || form >= kMagFormCount) return "？";
    return std::string(kMagForms[form].name);
}

}  // namespace toviran::wording

namespace toviran::wording {
namespace {

// Digits only; more than a level can be are kept as "too large".
std::optional<int> ReadNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 9) {
        if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos)
            return kLevelCap + 1;
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<planner::StatRange> ReadRange(std::string_view text) {
    if (text.empty() || text == "*") return planner::StatRange{};
    const std::size_t dots = text.find("..");
    if (dots == std::string_view::npos) {
        const auto n = ReadNumber(text);
        if (!n) return std::nullopt;
        return planner::StatRange{*n, *n};
    }
    const std::string_view low = text.substr(0, dots);
    const std::string_view high = text.substr(dots + 2);
    if (low.empty() && high.empty()) return std::nullopt;
    planner::StatRange range;
    if (!low.empty()) {
        const auto n = ReadNumber(low);
        if (!n) return std::nullopt;
        range.least = *n;
    }
    if (!high.empty()) {
        const auto n = ReadNumber(high);
        if (!n) return std::nullopt;
        range.most = *n;
    }
    return range;
}

std::string RangeSyntaxText() {
    return "N（ちょうど）、N..（N以上）、..N（N以下）、N..M（NからMまで）、*（任意）";
}

}  // namespace toviran::wording
