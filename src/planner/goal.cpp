#include "planner/goal.h"

#include <algorithm>
#include <numeric>

#include "engine/mag_forms.h"
#include "planner/reasons.h"

namespace toviran::planner {
namespace {

constexpr int kMag = Form("マグ");
// An item raises each stat by one level at most, so the mag can cross 35 by up to three
// levels more than it needs.
constexpr int kMostLevelsPerItem = 4;

std::string_view Name(int form) {
    return kMagForms[form].name;
}

bool Contains(const std::vector<int>& forms, int form) {
    return std::ranges::find(forms, form) != forms.end();
}

void AddFinalForms(std::vector<int>& forms, int from, CharacterClass cls, SectionIdParity parity) {
    for (const PdmLevels& pdm : OrderingExamples())
        for (const int def : {0, kFoDefColumnLevel})
            forms.push_back(FinalEvolutionForm(from, WithPdm(def, pdm), cls, parity));
}

// The class form whose line decides the second evolution of this mag.
int SecondLineOf(const MagCore& start, CharacterClass cls) {
    return start.form == kMag ? FirstEvolutionForm(cls) : start.form;
}

// Which of the three evolutions gives `form`: 1 first, 2 second, 3 final, 0 none (マグ).
int EvolutionGiving(int form, CharacterClass cls, SectionIdParity parity) {
    std::vector<int> finals;
    AddFinalForms(finals, kNoForm, cls, parity);
    for (const auto other : {CharacterClass::HU, CharacterClass::RA, CharacterClass::FO}) {
        if (form == FirstEvolutionForm(other)) return 1;
        for (const PdmLevels& pdm : OrderingExamples())
            if (SecondEvolutionForm(FirstEvolutionForm(other), WithPdm(0, pdm)) == form &&
                form != FirstEvolutionForm(other))
                return 2;
    }
    return Contains(finals, form) ? 3 : 0;
}

int SettleLevel(int level) {
    if (level >= kFinalEvolutionLevel) return level / 5 * 5;
    if (level >= kSecondEvolutionLevel) return kSecondEvolutionLevel;
    if (level >= kFirstEvolutionLevel) return kFirstEvolutionLevel;
    return 0;
}

// The example's levels are the groups' ranks: 0 for the lowest group, and so on.
OrderingOption Option(const PdmLevels& pdm, int minDef, int maxDef) {
    OrderingOption option{{}, minDef, maxDef};
    for (int k = 0; k < 3; ++k) option.groups[pdm[k]] |= static_cast<std::uint8_t>(1u << (k + 1));
    return option;
}

// The orderings the last evolution before the target level gives the form from. A cell
// that keeps the name counts too: the form may have been given earlier.
void AddOrderings(Goal& goal, const MagCore& start, CharacterClass cls, SectionIdParity parity) {
    if (goal.settleLevel >= kFinalEvolutionLevel) {
        const bool fo = cls == CharacterClass::FO;
        for (int o = 0; o < static_cast<int>(OrderingExamples().size()); ++o) {
            const PdmLevels& pdm = OrderingExamples()[o];
            const int low = FinalEvolutionForm(kNoForm, WithPdm(0, pdm), cls, parity);
            const int high =
                FinalEvolutionForm(kNoForm, WithPdm(kFoDefColumnLevel, pdm), cls, parity);
            const bool lowGives = low == goal.form || low == kNoForm;
            const bool highGives = high == goal.form || high == kNoForm;
            if (lowGives) {
                goal.orderings.push_back(Option(pdm, 0, fo ? kFoDefColumnLevel - 1 : 200));
                goal.orderingsLowDef |= static_cast<std::uint16_t>(1u << o);
            }
            if (highGives) goal.orderingsHighDef |= static_cast<std::uint16_t>(1u << o);
            if (fo && highGives) goal.orderings.push_back(Option(pdm, kFoDefColumnLevel, 200));
        }
        goal.orderingLevel = goal.settleLevel;
    } else if (goal.settleLevel == kSecondEvolutionLevel && start.level < kSecondEvolutionLevel) {
        const int line = SecondLineOf(start, cls);
        for (int o = 0; o < static_cast<int>(OrderingExamples().size()); ++o) {
            const PdmLevels& pdm = OrderingExamples()[o];
            if (SecondEvolutionForm(line, WithPdm(0, pdm)) != goal.form) continue;
            goal.orderings.push_back(Option(pdm, 0, 200));
            goal.orderingsLowDef |= static_cast<std::uint16_t>(1u << o);
            goal.orderingsHighDef |= static_cast<std::uint16_t>(1u << o);
        }
        goal.orderingLevel = kSecondEvolutionLevel + kMostLevelsPerItem - 1;
    }
}

std::vector<int> Unique(std::vector<int> forms) {
    std::ranges::sort(forms);
    const auto [first, last] = std::ranges::unique(forms);
    forms.erase(first, last);
    std::erase(forms, kNoForm);
    return forms;
}

const SpecialItemInfo* SpecialItemGiving(int form, int& index) {
    const auto infos = SpecialItemInfos();
    for (std::size_t i = 0; i < infos.size(); ++i) {
        if (infos[i].evenName == Name(form) || infos[i].oddName == Name(form)) {
            index = static_cast<int>(i);
            return &infos[i];
        }
    }
    return nullptr;
}

std::optional<std::string> CheckLevels(const PlanRequest& r, const MagCore& start) {
    if (start.form == kNoForm) return reason::UnknownStartForm();
    const int sum = std::accumulate(start.statLevel.begin(), start.statLevel.end(), 0);
    const bool inRange =
        std::ranges::all_of(start.statLevel, [](int v) { return v >= 0; }) &&
        std::ranges::all_of(start.progress, [](int v) { return v >= 0 && v < 100; });
    if (sum != start.level || !inRange || start.level > kLevelCap)
        return reason::StartInconsistent();
    if (r.target.level > kLevelCap) return reason::LevelAbove200(r.target.level);
    if (r.target.level < start.level) return reason::LevelBelowStart(r.target.level, start.level);
    if (!r.target.build) return std::nullopt;
    const StatArray& build = *r.target.build;
    for (StatKind k : kAllStats)
        if (build[static_cast<int>(k)] > kLevelCap) return reason::StatAbove200(k);
    const int buildSum = std::accumulate(build.begin(), build.end(), 0);
    if (buildSum != r.target.level) return reason::BuildSum(buildSum, r.target.level);
    for (StatKind k : kAllStats) {
        const int i = static_cast<int>(k);
        if (build[i] < start.statLevel[i])
            return reason::StatWouldFall(k, start.statLevel[i], build[i]);
    }
    return std::nullopt;
}

std::optional<std::string> MakeSpecialGoal(Goal& goal, const PlanRequest& r) {
    const SpecialItemInfo* info = SpecialItemGiving(r.target.form, goal.specialItem);
    if (info == nullptr) return reason::NotByFeeding(Name(r.target.form));
    const bool even = r.parity == SectionIdParity::Even;
    const std::string_view given = even ? info->evenName : info->oddName;
    if (given != Name(r.target.form))
        return reason::OtherParity(Name(r.target.form),
                                   even ? SectionIdParity::Odd : SectionIdParity::Even, given);
    goal.form = kNoForm;
    goal.requirement = info->requirement;
    goal.needsIqSynchro = info->requirement.minIq > 0 || info->requirement.minSynchro > 0;
    if (goal.requirement.minLevel > goal.level)
        return reason::SpecialNeedsLevel(info->entry, goal.requirement.minLevel);
    if (r.target.build) {
        MagCore at;
        at.level = static_cast<std::int16_t>(goal.level);
        at.statLevel = *r.target.build;
        at.iq = kIqMax;
        at.synchro = kSynchroMax;
        if (!RequirementMet(goal.requirement, at))
            return reason::BuildMissesSpecial(info->entry, info->usage);
    }
    return std::nullopt;
}

std::optional<std::string> CheckFormWindow(const PlanRequest& r, const MagCore& start) {
    const int form = r.target.form;
    const int level = r.target.level;
    if (start.rare)
        return form == start.form ? std::nullopt
                                  : std::optional(reason::RareStaysRare(Name(start.form)));
    if (!Contains(FormsAfterFeeding(start, r.characterClass, r.parity), form))
        return reason::ClassCannotReach(Name(form), r.characterClass, r.parity);
    if (form == start.form && level == start.level) return std::nullopt;
    if (form == kMag)
        return level >= kFirstEvolutionLevel ? std::optional(reason::MagEvolvesAt10())
                                             : std::nullopt;
    if (form == start.form) return std::nullopt;
    constexpr int kFrom[] = {0, kFirstEvolutionLevel, kSecondEvolutionLevel, kFinalEvolutionLevel};
    const int from = kFrom[EvolutionGiving(form, r.characterClass, r.parity)];
    if (level < from) return reason::TooEarly(Name(form), from);
    return std::nullopt;
}

// With a build, the evolution judged at the target level itself is known in advance.
std::optional<std::string> CheckBuildForm(const Goal& goal, const PlanRequest& r,
                                          const MagCore& start) {
    if (!r.target.build || goal.form == kNoForm || start.rare) return std::nullopt;
    int given = kNoForm;
    if (goal.level >= kFinalEvolutionLevel && goal.level % 5 == 0)
        given = FinalEvolutionForm(kNoForm, *r.target.build, r.characterClass, r.parity);
    else if (goal.level == kSecondEvolutionLevel && start.level < kSecondEvolutionLevel)
        given = SecondEvolutionForm(SecondLineOf(start, r.characterClass), *r.target.build);
    if (given == kNoForm || given == goal.form) return std::nullopt;
    return reason::BuildGivesOtherForm(goal.level, Name(given));
}

}  // namespace

std::vector<int> FormsFedFrom35(const MagCore& start, CharacterClass cls) {
    if (start.rare || start.level >= kSecondEvolutionLevel) return {start.form};
    std::vector<int> forms;
    for (const PdmLevels& pdm : OrderingExamples())
        forms.push_back(SecondEvolutionForm(SecondLineOf(start, cls), WithPdm(0, pdm)));
    return Unique(std::move(forms));
}

std::vector<int> FormsFedFrom50(const MagCore& start, CharacterClass cls, SectionIdParity parity) {
    std::vector<int> forms = FormsFedFrom35(start, cls);
    if (!start.rare)
        for (const int from : std::vector<int>(forms)) AddFinalForms(forms, from, cls, parity);
    return Unique(std::move(forms));
}

std::vector<int> FormsAfterFeeding(const MagCore& start, CharacterClass cls,
                                   SectionIdParity parity) {
    std::vector<int> forms = FormsFedFrom50(start, cls, parity);
    forms.push_back(start.form);
    if (!start.rare && start.form == kMag && start.level < kSecondEvolutionLevel)
        forms.push_back(FirstEvolutionForm(cls));
    return Unique(std::move(forms));
}

std::variant<Goal, std::string> MakeGoal(const PlanRequest& r, const MagCore& start) {
    if (auto why = CheckLevels(r, start)) return *why;
    Goal goal;
    goal.level = r.target.level;
    goal.build = r.target.build;
    goal.form = r.target.form;
    if (FeedTableNoForForm(r.target.form) == kRareFeedTable && !start.rare) {
        if (auto why = MakeSpecialGoal(goal, r)) return *why;
        return goal;
    }
    if (auto why = CheckFormWindow(r, start)) return *why;
    goal.settleLevel = start.rare ? 0 : SettleLevel(goal.level);
    if (auto why = CheckBuildForm(goal, r, start)) return *why;
    if (!start.rare) AddOrderings(goal, start, r.characterClass, r.parity);
    return goal;
}

}  // namespace toviran::planner
