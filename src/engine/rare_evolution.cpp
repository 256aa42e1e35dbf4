#include "rare_evolution.h"

#include <array>

#include "mag_core.h"
#include "undo.h"

namespace toviran {
namespace {

struct SpecialItem {
    std::string_view entry;
    SpecialRequirement requirement;
    const char* evenName;
    const char* oddName;
    Rgb colour;
    const char* usage;
    MessageIcon failureIcon;
};

constexpr SpecialRequirement kLevel100{.minLevel = 100};

constexpr SpecialItem kSpecialItems[] = {
    {"マグ細胞213", kLevel100, "チュレル", "プレタ", kRareGreen,
     "「偶数IDチュレル 奇数IDプレタ」　使用条件：マグLv１00以上", MessageIcon::Exclamation},
    {"マグ細胞502", kLevel100, "ソニチ", "ピトリ", kRareGreen,
     "「偶数IDソニチ 奇数IDピトリ」　使用条件：マグLv１00以上", MessageIcon::Information},
    {"オパオパの心", kLevel100, "オパオパ", "オパオパ", kRareYellow,
     "「オパオパ」　使用条件：マグLv１00以上", MessageIcon::Information},
    {"ピアンの心",
     {.minIq = 180, .minSynchro = 110},
     "ピアン",
     "ピアン",
     kRareYellow,
     "「ピアン」　使用条件：シンクロ110%以上　IQ180以上",
     MessageIcon::Information},
    {"チャオの心",
     {.statMin = 35, .statCount = 4},
     "チャオ",
     "チャオ",
     kRareYellow,
     "「チャオ」　使用条件：DEF POW DEX MIND が全て35以上",
     MessageIcon::Information},
    {"オモチャオのパーツ",
     {.statMin = 70, .statCount = 2},
     "オモチャオ",
     "オモチャオ",
     kRareYellow,
     "「オモチャオ」　使用条件：DEF POW DEX MIND のいずれか2つが70以上",
     MessageIcon::Information},
};

constexpr auto kInfos = [] {
    std::array<SpecialItemInfo, std::size(kSpecialItems)> infos{};
    for (std::size_t i = 0; i < infos.size(); ++i) {
        const auto& item = kSpecialItems[i];
        infos[i] = {item.entry,  item.evenName, item.oddName,
                    item.colour, item.usage,    item.requirement};
    }
    return infos;
}();

const Message kAlreadyRare{MessageIcon::Information, "もう進化しちゃっているんだよ",
                           "その進化は無理っす", MessageButtons::Ok};

}  // namespace

bool RequirementMet(const SpecialRequirement& r, const MagCore& m) {
    int statsHigh = 0;
    for (const std::int16_t level : m.statLevel) statsHigh += level >= r.statMin ? 1 : 0;
    return m.level >= r.minLevel && m.iq >= r.minIq && m.synchro >= r.minSynchro &&
           statsHigh >= r.statCount;
}

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
    if (!RequirementMet(item->requirement, CoreOf(s))) {
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
