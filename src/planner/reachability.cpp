#include "planner/reachability.h"

#include <algorithm>

#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"
#include "planner/goal.h"

namespace toviran::planner {
namespace {

// The orderings whose cell gives `form`, as bits.
template <typename Gives>
std::uint16_t OrderingsGiving(Gives gives) {
    std::uint16_t bits = 0;
    for (std::size_t o = 0; o < OrderingExamples().size(); ++o)
        if (gives(OrderingExamples()[o])) bits |= static_cast<std::uint16_t>(1u << o);
    return bits;
}

FormReach Final(int form, CharacterClass cls, SectionIdParity parity) {
    FormReach reach{form, true, FormReach::Way::FinalEvolution, kFinalEvolutionLevel,
                    kFinalEvolutionStep};
    reach.orderings = OrderingsGiving([&](const PdmLevels& pdm) {
        return FinalEvolutionForm(kNoForm, WithPdm(0, pdm), cls, parity) == form;
    });
    if (cls == CharacterClass::FO)
        reach.highDefOrderings = OrderingsGiving([&](const PdmLevels& pdm) {
            return FinalEvolutionForm(kNoForm, WithPdm(kFoDefColumnLevel, pdm), cls, parity) ==
                   form;
        });
    return reach;
}

FormReach Special(int form, SectionIdParity parity) {
    const auto infos = SpecialItemInfos();
    for (std::size_t i = 0; i < infos.size(); ++i) {
        const SpecialItemInfo& info = infos[i];
        if (info.evenName != kMagForms[form].name && info.oddName != kMagForms[form].name) continue;
        FormReach reach{form, info.NameFor(parity) == kMagForms[form].name};
        reach.specialItem = static_cast<int>(i);
        if (!reach.reachable) {
            reach.way = FormReach::Way::OtherParity;
            return reach;
        }
        const SpecialRequirement& r = info.requirement;
        reach.way = FormReach::Way::Special;
        reach.fromLevel = std::max({int{kNewMagLevel}, r.minLevel, r.statMin * r.statCount});
        return reach;
    }
    return {form, false, FormReach::Way::NotByFeeding};
}

}  // namespace

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
            all.push_back({form, false, FormReach::Way::NeverGrows});
        } else if (form == kMagForm) {
            all.push_back({form, true, FormReach::Way::Start, start.level});
        } else if (form == classForm) {
            all.push_back({form, true, FormReach::Way::FirstEvolution, kFirstEvolutionLevel});
        } else if (std::ranges::find(at35, form) != at35.end()) {
            FormReach reach{form, true, FormReach::Way::SecondEvolution, kSecondEvolutionLevel};
            reach.orderings = OrderingsGiving([&](const PdmLevels& pdm) {
                return SecondEvolutionForm(classForm, WithPdm(0, pdm)) == form;
            });
            all.push_back(reach);
        } else {
            all.push_back(Final(form, cls, parity));
        }
    }
    return all;
}

}  // namespace toviran::planner
