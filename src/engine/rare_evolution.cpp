#include "engine/rare_evolution.h"

#include <array>

#include "engine/undo.h"

namespace toviran {
namespace {

using Condition = bool (*)(const MagState&);

struct SpecialItem {
    std::string_view entry;
    Condition condition;
    const char* evenName;
    const char* oddName;
    Rgb colour;
    const char* usage;
    MessageIcon failureIcon;
};

bool LevelAtLeast100(const MagState& s) {
    return s.Level >= 100;
}
bool PianCondition(const MagState& s) {
    return s.Synchro >= 110 && s.IQ >= 180;
}
bool AllStatsAtLeast35(const MagState& s) {
    for (StatKind k : kAllStats)
        if (StatLevel(s, k) < 35) return false;
    return true;
}
bool TwoStatsAtLeast70(const MagState& s) {
    int count = 0;
    for (StatKind k : kAllStats) count += StatLevel(s, k) >= 70 ? 1 : 0;
    return count >= 2;
}

constexpr SpecialItem kSpecialItems[] = {
    {"マグ細胞213", LevelAtLeast100, "チュレル", "プレタ", kRareGreen,
     "「偶数IDチュレル 奇数IDプレタ」　使用条件：マグLv１00以上", MessageIcon::Exclamation},
    {"マグ細胞502", LevelAtLeast100, "ソニチ", "ピトリ", kRareGreen,
     "「偶数IDソニチ 奇数IDピトリ」　使用条件：マグLv１00以上", MessageIcon::Information},
    {"オパオパの心", LevelAtLeast100, "オパオパ", "オパオパ", kRareYellow,
     "「オパオパ」　使用条件：マグLv１00以上", MessageIcon::Information},
    {"ピアンの心", PianCondition, "ピアン", "ピアン", kRareYellow,
     "「ピアン」　使用条件：シンクロ110%以上　IQ180以上", MessageIcon::Information},
    {"チャオの心", AllStatsAtLeast35, "チャオ", "チャオ", kRareYellow,
     "「チャオ」　使用条件：DEF POW DEX MIND が全て35以上", MessageIcon::Information},
    {"オモチャオのパーツ", TwoStatsAtLeast70, "オモチャオ", "オモチャオ", kRareYellow,
     "「オモチャオ」　使用条件：DEF POW DEX MIND のいずれか2つが70以上", MessageIcon::Information},
};

constexpr auto kInfos = [] {
    std::array<SpecialItemInfo, std::size(kSpecialItems)> infos{};
    for (std::size_t i = 0; i < infos.size(); ++i) {
        const auto& item = kSpecialItems[i];
        infos[i] = {item.entry, item.evenName, item.oddName, item.colour, item.usage};
    }
    return infos;
}();

const Message kAlreadyRare{MessageIcon::Information, "もう進化しちゃっているんだよ",
                           "その進化は無理っす", MessageButtons::Ok};

}  // namespace

std::span<const SpecialItemInfo> SpecialItemInfos() {
    return kInfos;
}

bool UseSpecialItem(MagState& s, std::string_view entry, SectionIdParity parity, Prompter& prompter,
                    DisplayObserver& d) {
    const SpecialItem* item = nullptr;
    for (const auto& candidate : kSpecialItems)
        if (candidate.entry == entry) item = &candidate;
    if (item == nullptr) return false;
    if (s.RareMagFlag == kTrue) {
        prompter.Show(kAlreadyRare);
        return false;
    }
    prompter.Show({MessageIcon::None, kAppTitle, item->usage, MessageButtons::Ok});
    if (!item->condition(s)) {
        prompter.Show(
            {item->failureIcon, "リトライしよう", "条件を満たしていないよ", MessageButtons::Ok});
        return false;
    }
    アンドゥ記憶(s);
    s.MagName = parity == SectionIdParity::Even ? item->evenName : item->oddName;
    d.Changed(DisplayItem::Name, StatKind::Def);
    s.NameColour = item->colour;
    d.Changed(DisplayItem::NameColour, StatKind::Def);
    s.RareMagFlag = kTrue;
    return true;
}

}  // namespace toviran
