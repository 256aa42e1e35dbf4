#include "parameters.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "mag_core.h"
#include "rare_names.h"
#include "undo.h"

namespace toviran {
namespace {

const char* const kImplausible = "おかしなパラメータだYO そんなマグいないYO";
const Message kConfirm{MessageIcon::Question, "任意パラメータ設定", "パラメータを反映しますか？",
                       MessageButtons::OkCancel};
const Message kTooLarge{MessageIcon::Exclamation, "数値が大きすぎるYO",
                        "入力できる数値は0～32767までだYO\r\n数値を小さくしてね",
                        MessageButtons::Ok};

std::string DigitsOnly(std::string_view typed) {
    std::string digits;
    for (char c : typed)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

// A box's value as a 16-bit number; nullopt when it does not fit.
std::optional<std::int16_t> BoxValue(const std::string& typed) {
    const std::string digits = LevelBoxText(typed);
    std::int16_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

struct Values {
    std::array<std::int16_t, 4> level{}, progress{};
    std::int16_t iq = 0, synchro = 0;
};

std::optional<Values> ReadValues(const ParameterInput& in) {
    Values v;
    for (std::size_t k = 0; k < 4; ++k) {
        const auto level = BoxValue(in.levelText[k]);
        const auto progress = BoxValue(ProgressBoxText(in.progressText[k]));
        if (!level || !progress) return std::nullopt;
        v.level[k] = *level;
        v.progress[k] = *progress;
    }
    const auto iq = BoxValue(in.iqText);
    const auto synchro = BoxValue(in.synchroText);
    if (!iq || !synchro) return std::nullopt;
    v.iq = *iq;
    v.synchro = *synchro;
    return v;
}

bool IsClassStageName(std::string_view name) {
    return name == "マグ" || name == "ヴァルナ" || name == "カルキ" || name == "ヴリトラ";
}

// The level sum must fit the form: plain and rare mags pass at any sum, class forms need
// 10, later forms 35; nothing passes above 200.
std::optional<Message> PlausibilityRefusal(std::string_view name, int levelSum) {
    const bool anyLevel = name == "マグ" || IsRareMagName(name);
    const char* title = nullptr;
    if (levelSum < kFirstEvolutionLevel && !anyLevel)
        title = "ちぇけら～";
    else if (levelSum < kSecondEvolutionLevel && !anyLevel && !IsClassStageName(name))
        title = "がびょーん";
    else if (levelSum > kLevelCap)
        title = "おかしいねおかしいさ";
    if (title == nullptr) return std::nullopt;
    return Message{MessageIcon::Exclamation, title, kImplausible, MessageButtons::Ok};
}

}  // namespace

std::string LevelBoxText(std::string_view typed) {
    std::string digits = DigitsOnly(typed);
    return digits.empty() ? "0" : digits;
}

std::string ProgressBoxText(std::string_view typed) {
    std::string digits = LevelBoxText(typed);
    // Compare by length first so that a very long number is also "above 99".
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    const std::string_view significant = firstNonZero == std::string::npos
                                             ? std::string_view("0")
                                             : std::string_view(digits).substr(firstNonZero);
    if (significant.size() > 2) return std::to_string(kMostProgress);
    return digits;
}

bool ApplyParameters(MagState& s, const ParameterInput& in, Prompter& prompter,
                     DisplayObserver& d) {
    const auto values = ReadValues(in);
    if (!values) {
        prompter.Show(kTooLarge);
        return false;
    }
    int levelSum = 0;
    for (auto level : values->level) levelSum += level;
    if (const auto refusal = PlausibilityRefusal(in.name, levelSum)) {
        prompter.Show(*refusal);
        return false;
    }
    if (!prompter.Show(kConfirm)) return false;

    アンドゥ記憶(s);
    s.MagName = in.name;
    d.Changed(DisplayItem::Name, StatKind::Def);
    MatchRareFlagToName(s, d);
    s.IQ = values->iq;
    d.Changed(DisplayItem::IQ, StatKind::Def);
    s.Synchro = values->synchro;
    d.Changed(DisplayItem::Synchro, StatKind::Def);
    for (StatKind k : kAllStats) {
        const auto i = static_cast<std::size_t>(k);
        StatLevel(s, k) = values->level[i];
        d.Changed(DisplayItem::StatLevel, k);
        StatProgress(s, k) = values->progress[i];
        d.Changed(DisplayItem::StatProgress, k);
    }
    s.Level = static_cast<std::int16_t>(levelSum);
    d.Changed(DisplayItem::Level, StatKind::Def);
    RestartHistoryKeepingUndo(s, d);
    return true;
}

}  // namespace toviran
