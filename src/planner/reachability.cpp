#include "planner/reachability.h"

#include <algorithm>

#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"
#include "planner/goal.h"
#include "planner/planner.h"
#include "planner/reasons.h"

namespace toviran::planner {
namespace {

constexpr std::uint64_t kWorkPerLevel = 2'000'000;
constexpr const char* kStatNames[] = {"POW", "DEX", "MIND"};

// The orderings whose cell gives `form`, as "POW>DEX>MIND、POW=DEX>MIND".
template <typename Gives>
std::string OrderingsGiving(Gives gives) {
    std::string text;
    for (const PdmLevels& pdm : OrderingExamples()) {
        if (!gives(pdm)) continue;
        if (!text.empty()) text += "、";
        text += OrderingText(pdm);
    }
    return text;
}

FormReach Final(int form, CharacterClass cls, SectionIdParity parity) {
    FormReach reach{form, true, kFinalEvolutionLevel, kFinalEvolutionStep, -1, {}};
    const std::string low = OrderingsGiving([&](const PdmLevels& pdm) {
        return FinalEvolutionForm(kNoForm, WithPdm(0, pdm), cls, parity) == form;
    });
    const std::string high =
        cls != CharacterClass::FO ? "" : OrderingsGiving([&](const PdmLevels& pdm) {
            return FinalEvolutionForm(kNoForm, WithPdm(kFoDefColumnLevel, pdm), cls, parity) ==
                   form;
        });
    reach.how = "Lv50から5の倍数ごとの進化で";
    if (!low.empty())
        reach.how += cls == CharacterClass::FO ? " DEF44以下のとき " + low : " " + low;
    if (!high.empty())
        reach.how += (low.empty() ? " " : "、") + std::string("DEF45以上のとき ") + high;
    return reach;
}

FormReach Special(int form, SectionIdParity parity) {
    const auto infos = SpecialItemInfos();
    for (std::size_t i = 0; i < infos.size(); ++i) {
        const SpecialItemInfo& info = infos[i];
        const std::string_view name = info.NameFor(parity);
        if (info.evenName != kMagForms[form].name && info.oddName != kMagForms[form].name) continue;
        FormReach reach{form, name == kMagForms[form].name, 0, 1, static_cast<int>(i), {}};
        if (!reach.reachable) {
            reach.how = std::string(info.entry) + "で、" +
                        (parity == SectionIdParity::Even ? "奇数ID" : "偶数ID") +
                        "のときになります";
            return reach;
        }
        const SpecialRequirement& r = info.requirement;
        reach.fromLevel = std::max({int{kNewMagLevel}, r.minLevel, r.statMin * r.statCount});
        reach.how = std::string(info.entry) + "を使う（" + std::string(info.usage) + "）";
        return reach;
    }
    return {form, false, 0,
            1,    -1,    "えさでもレアマグ進化でもなれません（パラメータ設定でだけなれます）"};
}

}  // namespace

std::string OrderingText(const PdmLevels& pdm) {
    std::array<int, 3> order{0, 1, 2};
    std::ranges::stable_sort(order, [&pdm](int a, int b) { return pdm[a] > pdm[b]; });
    std::string text = kStatNames[order[0]];
    for (int i = 1; i < 3; ++i)
        text +=
            (pdm[order[i]] == pdm[order[i - 1]] ? "=" : ">") + std::string(kStatNames[order[i]]);
    return text;
}

std::vector<FormReach> ReachableForms(CharacterClass cls, SectionIdParity parity) {
    const MagCore start;
    const std::vector<int> fed = FormsAfterFeeding(start, cls, parity);
    const std::vector<int> at35 = FormsFedFrom35(start, cls);
    const int classForm = FirstEvolutionForm(cls);
    std::vector<FormReach> all;
    for (int form = 0; form < kMagFormCount; ++form) {
        if (FeedTableNoForForm(form) == kRareFeedTable) {
            all.push_back(Special(form, parity));
        } else if (std::ranges::find(fed, form) == fed.end()) {
            all.push_back({form, false, 0, 1, -1, reason::NeverGrows(cls, parity)});
        } else if (form == kMagForm) {
            all.push_back({form, true, start.level, 1, -1, "はじめの姿（Lv10で進化）"});
        } else if (form == classForm) {
            all.push_back({form, true, kFirstEvolutionLevel, 1, -1, "Lv10の進化"});
        } else if (std::ranges::find(at35, form) != at35.end()) {
            const std::string orderings = OrderingsGiving([&](const PdmLevels& pdm) {
                return SecondEvolutionForm(classForm, WithPdm(0, pdm)) == form;
            });
            all.push_back({form, true, kSecondEvolutionLevel, 1, -1, "Lv35の進化で " + orderings});
        } else {
            all.push_back(Final(form, cls, parity));
        }
    }
    return all;
}

std::optional<std::pair<int, Plan>> LowestPlannedLevel(const FormReach& reach, CharacterClass cls,
                                                       SectionIdParity parity,
                                                       const PlanOptions& options,
                                                       std::stop_token stop) {
    if (!reach.reachable) return std::nullopt;
    PlanRequest request;
    request.characterClass = cls;
    request.parity = parity;
    request.target.form = reach.form;
    request.options = options;
    // Whether there is a plan, not the best one, and each level tried briefly: a level that
    // needs a long search is passed over for the next.
    request.options.firstPlan = true;
    request.options.work = std::min(options.work, kWorkPerLevel);
    auto planAt = [&](int level) -> std::optional<PlanResult> {
        request.target.level = level;
        PlanResult result = FindPlan(request, stop);
        if (result.cancelled || result.plan) return result;
        return std::nullopt;
    };
    // Five levels at a time, then back down one level at a time within the last five.
    constexpr int kCoarse = 5;
    for (int level = reach.fromLevel; level <= kLevelCap + kCoarse - 1; level += kCoarse) {
        const int tried = std::min(level, kLevelCap);
        auto found = planAt(tried);
        if (!found) continue;
        if (found->cancelled) return std::nullopt;
        int lowest = tried;
        for (int lower = std::max(reach.fromLevel, tried - kCoarse + reach.levelStep);
             lower < tried && reach.levelStep < kCoarse; lower += reach.levelStep) {
            if (auto earlier = planAt(lower)) {
                if (earlier->cancelled) return std::nullopt;
                found = std::move(earlier);
                lowest = lower;
                break;
            }
        }
        return std::pair{lowest, std::move(*found->plan)};
    }
    return std::nullopt;
}

}  // namespace toviran::planner
