#include "wording/reach_text.h"

#include <algorithm>
#include <array>

#include "engine/mag_core.h"
#include "engine/rare_evolution.h"

namespace toviran::wording {
namespace {

constexpr const char* kPdmNames[] = {"POW", "DEX", "MIND"};
constexpr const char* kClassNames[] = {"HU", "RA", "FO"};

std::string N(int value) {
    return std::to_string(value);
}

std::string Entry(int specialItem) {
    return std::string(SpecialItemInfos()[static_cast<std::size_t>(specialItem)].entry);
}

std::string ParityName(SectionIdParity parity) {
    return parity == SectionIdParity::Even ? "偶数ID" : "奇数ID";
}

std::string FinalText(const planner::FormReach& reach, CharacterClass cls) {
    std::string text =
        "Lv" + N(kFinalEvolutionLevel) + "から" + N(kFinalEvolutionStep) + "の倍数ごとの進化で";
    const std::string low = OrderingsText(reach.orderings);
    const std::string high = OrderingsText(reach.highDefOrderings);
    if (!low.empty())
        text += cls == CharacterClass::FO ? " DEF" + N(kFoDefColumnLevel - 1) + "以下のとき " + low
                                          : " " + low;
    if (!high.empty())
        text += (low.empty() ? " " : "、") + std::string("DEF") + N(kFoDefColumnLevel) +
                "以上のとき " + high;
    return text;
}

}  // namespace

std::string ClassAndIdText(CharacterClass cls, SectionIdParity parity) {
    return std::string(kClassNames[static_cast<int>(cls)]) + "・" + ParityName(parity);
}

std::string OrderingText(const PdmLevels& pdm) {
    std::array<int, 3> order{0, 1, 2};
    std::ranges::stable_sort(order, [&pdm](int a, int b) { return pdm[a] > pdm[b]; });
    std::string text = kPdmNames[order[0]];
    for (int i = 1; i < 3; ++i)
        text += (pdm[order[i]] == pdm[order[i - 1]] ? "=" : ">") + std::string(kPdmNames[order[i]]);
    return text;
}

std::string OrderingsText(std::uint16_t orderings) {
    std::string text;
    for (std::size_t o = 0; o < OrderingExamples().size(); ++o) {
        if (!(orderings & (1u << o))) continue;
        if (!text.empty()) text += "、";
        text += OrderingText(OrderingExamples()[o]);
    }
    return text;
}

std::string ReachText(const planner::FormReach& reach, CharacterClass cls, SectionIdParity parity) {
    using Way = planner::FormReach::Way;
    switch (reach.way) {
        case Way::Start:
            return "はじめの姿（Lv" + N(kFirstEvolutionLevel) + "で進化）";
        case Way::FirstEvolution:
            return "Lv" + N(kFirstEvolutionLevel) + "の進化";
        case Way::SecondEvolution:
            return "Lv" + N(kSecondEvolutionLevel) + "の進化で " + OrderingsText(reach.orderings);
        case Way::FinalEvolution:
            return FinalText(reach, cls);
        case Way::Special: {
            const SpecialItemInfo& info =
                SpecialItemInfos()[static_cast<std::size_t>(reach.specialItem)];
            return Entry(reach.specialItem) + "を使う（" + std::string(info.usage) + "）";
        }
        case Way::OtherParity:
            return Entry(reach.specialItem) + "で、" +
                   ParityName(parity == SectionIdParity::Even ? SectionIdParity::Odd
                                                              : SectionIdParity::Even) +
                   "のときになります";
        case Way::NotByFeeding:
            return "えさでもレアマグ進化でもなれません（パラメータ設定でだけなれます）";
        case Way::NeverGrows:
            break;
    }
    return ClassAndIdText(cls, parity) + "では、この姿に育ちません";
}

}  // namespace toviran::wording
