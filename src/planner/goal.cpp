#include "planner/goal.h"

#include <algorithm>
#include <numeric>

#include "engine/mag_forms.h"
#include "planner/feed_phases.h"

namespace toviran::planner {
namespace {

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
    const bool classFormAhead = start.form == kMagForm || start.level < kFirstEvolutionLevel;
    return classFormAhead ? FirstEvolutionForm(cls) : start.form;
}

// Which of the three evolutions gives `form` (None for マグ).
Evolution EvolutionGiving(int form, CharacterClass cls, SectionIdParity parity) {
    std::vector<int> finals;
    AddFinalForms(finals, kNoForm, cls, parity);
    for (const auto other : {CharacterClass::HU, CharacterClass::RA, CharacterClass::FO}) {
        if (form == FirstEvolutionForm(other)) return Evolution::First;
        for (const PdmLevels& pdm : OrderingExamples())
            if (SecondEvolutionForm(FirstEvolutionForm(other), WithPdm(0, pdm)) == form &&
                form != FirstEvolutionForm(other))
                return Evolution::Second;
    }
    return Contains(finals, form) ? Evolution::Final : Evolution::None;
}

void AddOptions(Judgement& j, std::uint16_t orderings, int minDef, int maxDef) {
    for (std::vector<Relation>& relations : OrderingGroups(orderings))
        j.options.push_back({std::move(relations), minDef, maxDef});
}

// The final evolution's orderings that give the form. A cell that keeps the name counts
// too: the form may have been given earlier.
Judgement FinalJudgement(int form, int settleLevel, CharacterClass cls, SectionIdParity parity) {
    Judgement j;
    for (int o = 0; o < static_cast<int>(OrderingExamples().size()); ++o) {
        const PdmLevels& pdm = OrderingExamples()[o];
        const int low = FinalEvolutionForm(kNoForm, WithPdm(0, pdm), cls, parity);
        const int high = FinalEvolutionForm(kNoForm, WithPdm(kFoDefColumnLevel, pdm), cls, parity);
        if (low == form || low == kNoForm) j.alreadyLowDef |= static_cast<std::uint16_t>(1u << o);
        if (high == form || high == kNoForm)
            j.alreadyHighDef |= static_cast<std::uint16_t>(1u << o);
    }
    if (cls == CharacterClass::FO) {
        AddOptions(j, j.alreadyLowDef, 0, kFoDefColumnLevel - 1);
        AddOptions(j, j.alreadyHighDef, kFoDefColumnLevel, kLevelCap);
    } else {
        AddOptions(j, j.alreadyLowDef, 0, kLevelCap);
    }
    j.before = settleLevel;
    j.byLevel = settleLevel;
    return j;
}

// The second evolution's orderings that give `form` to a mag of this line.
Judgement SecondJudgement(int line, int form) {
    Judgement j;
    for (int o = 0; o < static_cast<int>(OrderingExamples().size()); ++o)
        if (SecondEvolutionForm(line, WithPdm(0, OrderingExamples()[o])) == form)
            j.alreadyLowDef |= static_cast<std::uint16_t>(1u << o);
    j.alreadyHighDef = j.alreadyLowDef;
    AddOptions(j, j.alreadyLowDef, 0, kLevelCap);
    j.before = kSecondEvolutionLevel;
    // The item that crosses 35 can bring the mag up to three levels past it.
    j.byLevel = kSecondEvolutionLevel + kMostLevelsPerItem - 1;
    return j;
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

Reason Why(ReasonKind kind, const PlanRequest& r) {
    return ReasonAbout(kind, r);
}

Reason StatWhy(ReasonKind kind, const PlanRequest& r, int k, int value, int otherValue) {
    Reason why = Why(kind, r);
    why.stat = static_cast<StatKind>(k);
    why.value = value;
    why.otherValue = otherValue;
    return why;
}

std::optional<Reason> CheckStart(const PlanRequest& r, const MagCore& start) {
    if (start.form == kNoForm) return Why(ReasonKind::UnknownStartForm, r);
    const int sum = std::accumulate(start.statLevel.begin(), start.statLevel.end(), 0);
    const bool inRange =
        std::ranges::all_of(start.statLevel, [](int v) { return v >= 0; }) &&
        std::ranges::all_of(start.progress, [](int v) { return v >= 0 && v < kProgressPerLevel; });
    const bool rareMatchesName = start.rare == (FeedTableNoForForm(start.form) == kRareFeedTable);
    if (sum != start.level || !inRange || start.level > kLevelCap || !rareMatchesName)
        return Why(ReasonKind::StartInconsistent, r);
    return std::nullopt;
}

// Four exact numbers are a build: their sum is the level.
std::optional<Reason> CheckBuild(const PlanRequest& r, const MagCore& start) {
    const StatArray build = r.target.Build();
    const int buildSum = std::accumulate(build.begin(), build.end(), 0);
    if (buildSum != r.target.level) {
        Reason why = Why(ReasonKind::BuildSum, r);
        why.value = buildSum;
        return why;
    }
    for (int k = 0; k < 4; ++k)
        if (build[k] < start.statLevel[k])
            return StatWhy(ReasonKind::StatWouldFall, r, k, start.statLevel[k], build[k]);
    return std::nullopt;
}

// Conditions: what no feeding can meet, whatever it does.
std::optional<Reason> CheckConditions(const PlanRequest& r, const MagCore& start) {
    const StatRanges& stats = r.target.stats;
    for (int k = 0; k < 4; ++k)
        if (stats[k].least > stats[k].most)
            return StatWhy(ReasonKind::LeastAboveMost, r, k, stats[k].least, stats[k].most);
    int leasts = 0;
    int mosts = 0;
    for (const StatRange& range : stats) {
        leasts += range.least;
        mosts += range.most;
    }
    if (leasts > r.target.level) {
        Reason why = Why(ReasonKind::LeastsAboveLevel, r);
        why.value = leasts;
        return why;
    }
    if (mosts < r.target.level) {
        Reason why = Why(ReasonKind::MostsBelowLevel, r);
        why.value = mosts;
        return why;
    }
    for (int k = 0; k < 4; ++k)
        if (start.statLevel[k] > stats[k].most)
            return StatWhy(ReasonKind::StatAboveMost, r, k, start.statLevel[k], stats[k].most);
    return std::nullopt;
}

std::optional<Reason> CheckLevels(const PlanRequest& r, const MagCore& start) {
    if (auto why = CheckStart(r, start)) return why;
    if (r.target.level > kLevelCap) {
        Reason why = Why(ReasonKind::LevelAbove200, r);
        why.typed = std::to_string(r.target.level);
        return why;
    }
    if (r.target.level < start.level) {
        Reason why = Why(ReasonKind::LevelBelowStart, r);
        why.otherLevel = start.level;
        return why;
    }
    for (int k = 0; k < 4; ++k) {
        const StatRange& range = r.target.stats[static_cast<std::size_t>(k)];
        if (range.least > kLevelCap || range.most > kLevelCap) {
            Reason why = Why(ReasonKind::StatAbove200, r);
            why.stat = static_cast<StatKind>(k);
            return why;
        }
    }
    if (r.target.IsBuild()) return CheckBuild(r, start);
    return CheckConditions(r, start);
}

std::optional<Reason> MakeSpecialGoal(Goal& goal, const PlanRequest& r) {
    const SpecialItemInfo* info = SpecialItemGiving(r.target.form, goal.specialItem);
    if (info == nullptr) return Why(ReasonKind::NotByFeeding, r);
    const std::string_view given = info->NameFor(r.parity);
    if (given != Name(r.target.form)) {
        Reason why = Why(ReasonKind::OtherParity, r);
        why.parity =
            r.parity == SectionIdParity::Even ? SectionIdParity::Odd : SectionIdParity::Even;
        why.otherForm = MagFormIndex(given);
        return why;
    }
    goal.requirement = info->requirement;
    goal.needsIqSynchro = info->requirement.minIq > 0 || info->requirement.minSynchro > 0;
    if (goal.requirement.minLevel > goal.level) {
        Reason why = Why(ReasonKind::SpecialNeedsLevel, r);
        why.specialItem = goal.specialItem;
        why.otherLevel = goal.requirement.minLevel;
        return why;
    }
    if (r.target.IsBuild()) {
        MagCore at;
        at.level = static_cast<std::int16_t>(goal.level);
        at.statLevel = r.target.Build();
        at.iq = kIqMax;
        at.synchro = kSynchroMax;
        if (!RequirementMet(goal.requirement, at)) {
            Reason why = Why(ReasonKind::BuildMissesSpecial, r);
            why.specialItem = goal.specialItem;
            return why;
        }
    }
    return std::nullopt;
}

// Whether a form in the class's reach can be the mag's form at the target level at all.
std::optional<Reason> CheckHeld(const PlanRequest& r, const MagCore& start) {
    const int form = r.target.form;
    const int level = r.target.level;
    const CharacterClass cls = r.characterClass;
    // A class form meets the second evolution at 35, which keeps it only in some cells.
    const bool classForm = EvolutionGiving(form, cls, r.parity) == Evolution::First;
    if (classForm && start.level < kSecondEvolutionLevel && level >= kSecondEvolutionLevel) {
        bool kept = false;
        for (const PdmLevels& pdm : OrderingExamples())
            kept = kept || SecondEvolutionForm(form, WithPdm(0, pdm)) == form;
        if (!kept) {
            Reason why = Why(ReasonKind::EvolvesAway, r);
            why.otherLevel = kSecondEvolutionLevel;
            return why;
        }
    }
    // The final evolution is certainly judged at a target level of five; only a final form,
    // or for FO the name its DEF column may keep, comes out of it.
    if (IsFinalEvolutionLevel(level) && start.level < level && cls != CharacterClass::FO) {
        std::vector<int> finals;
        AddFinalForms(finals, kNoForm, cls, r.parity);
        if (!Contains(finals, form)) return Why(ReasonKind::EvolvesAtTarget, r);
    }
    return std::nullopt;
}

std::optional<Reason> CheckFormWindow(const PlanRequest& r, const MagCore& start) {
    const int form = r.target.form;
    const int level = r.target.level;
    if (start.rare) {
        if (form == start.form) return std::nullopt;
        Reason why = Why(ReasonKind::RareStaysRare, r);
        why.form = start.form;
        return why;
    }
    if (!Contains(FormsAfterFeeding(start, r.characterClass, r.parity), form)) {
        const bool fromNew =
            Contains(FormsAfterFeeding(MagCore{}, r.characterClass, r.parity), form);
        Reason why = Why(ReasonKind::ClassCannotReach, r);
        why.newMagWould = !r.startIsNewMag && fromNew;
        return why;
    }
    if (form == start.form && level == start.level) return std::nullopt;
    if (form == kMagForm)
        return level >= kFirstEvolutionLevel ? std::optional(Why(ReasonKind::MagEvolvesAt10, r))
                                             : std::nullopt;
    if (form != start.form) {
        const int from = EarliestLevelOf(EvolutionGiving(form, r.characterClass, r.parity));
        if (level < from) {
            Reason why = Why(ReasonKind::TooEarly, r);
            why.otherLevel = from;
            return why;
        }
    }
    return CheckHeld(r, start);
}

// With a build, the evolution judged at the target level itself is known in advance.
std::optional<Reason> CheckBuildForm(const Goal& goal, const PlanRequest& r, const MagCore& start) {
    if (!r.target.IsBuild() || goal.anyForm || start.rare) return std::nullopt;
    const StatArray build = r.target.Build();
    int given = kNoForm;
    if (IsFinalEvolutionLevel(goal.level))
        given = FinalEvolutionForm(kNoForm, build, r.characterClass, r.parity);
    else if (goal.level == kSecondEvolutionLevel && start.level < kSecondEvolutionLevel)
        given = SecondEvolutionForm(SecondLineOf(start, r.characterClass), build);
    if (given == kNoForm || given == goal.form) return std::nullopt;
    Reason why = Why(ReasonKind::BuildGivesOtherForm, r);
    why.otherForm = given;
    return why;
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
    if (!start.rare && start.form == kMagForm && start.level < kSecondEvolutionLevel)
        forms.push_back(FirstEvolutionForm(cls));
    return Unique(std::move(forms));
}

std::variant<Goal, Reason> MakeGoal(const PlanRequest& r, const MagCore& start) {
    if (auto why = CheckLevels(r, start)) return *why;
    Goal goal;
    goal.level = r.target.level;
    goal.stats = r.target.stats;
    goal.form = r.target.form;
    // Any form: only the level and the stats are asked, and no evolution must give anything.
    if (r.target.form == kAnyForm) {
        goal.anyForm = true;
        goal.form = kNoForm;
        return goal;
    }
    if (FeedTableNoForForm(r.target.form) == kRareFeedTable && !start.rare) {
        if (auto why = MakeSpecialGoal(goal, r)) return *why;
        return goal;
    }
    if (auto why = CheckFormWindow(r, start)) return *why;
    if (start.rare) return goal;
    goal.settleLevel = LastEvolutionLevelAtOrBelow(goal.level);
    if (auto why = CheckBuildForm(goal, r, start)) return *why;
    if (goal.settleLevel >= kFinalEvolutionLevel) {
        goal.last = FinalJudgement(goal.form, goal.settleLevel, r.characterClass, r.parity);
        // Between levels of five an item that gains two levels can pass the final evolution
        // by, so a form the mag has before its final evolutions may simply be kept.
        const bool keptBySkipping =
            !IsFinalEvolutionLevel(goal.level) &&
            (goal.form == start.form ||
             (start.level < kFinalEvolutionLevel &&
              Contains(FormsFedFrom35(start, r.characterClass), goal.form)));
        if (keptBySkipping) goal.last.options.clear();
        if (!IsFinalEvolutionLevel(goal.level)) goal.last.heldForm = goal.form;
    } else if (goal.settleLevel == kSecondEvolutionLevel && start.level < kSecondEvolutionLevel) {
        goal.last = SecondJudgement(SecondLineOf(start, r.characterClass), goal.form);
    }
    const bool judgedAtTarget =
        IsFinalEvolutionLevel(goal.level) ||
        (goal.level == kSecondEvolutionLevel && start.level < kSecondEvolutionLevel);
    goal.lastAtTarget = !r.target.IsBuild() && start.level < goal.level && judgedAtTarget &&
                        !goal.last.options.empty();
    return goal;
}

std::vector<Goal> Routes(const Goal& goal, const MagCore& start, CharacterClass cls) {
    // A special item used before level 35 would leave the second evolution out.
    const bool usedAfterSecond =
        goal.specialItem < 0 || EarliestUseLevel(goal) >= kFinalEvolutionLevel;
    if (!usedAfterSecond || start.rare || start.level >= kSecondEvolutionLevel ||
        goal.level < kFinalEvolutionLevel)
        return {goal};
    const int line = SecondLineOf(start, cls);
    const std::vector<int> seconds = FormsFedFrom35(start, cls);
    if (seconds.size() < 2) return {goal};
    std::vector<Goal> routes;
    for (const int second : seconds) {
        // A form that is itself a second form is only kept from there.
        if (Contains(seconds, goal.form) && second != goal.form) continue;
        Goal route = goal;
        route.secondForm = second;
        route.second = SecondJudgement(line, second);
        routes.push_back(std::move(route));
    }
    return routes;
}

namespace {

// Conditions that allow only a few builds: each build is far sharper to search than the
// conditions at once. Empty when they allow more than `most`.
constexpr std::size_t kMostBuildRoutes = 16;

std::vector<StatArray> FewBuilds(const PlanRequest& r, const MagCore& start, std::size_t most) {
    const StatRanges& stats = r.target.stats;
    const auto low = [&](int k) { return std::max<int>(stats[k].least, start.statLevel[k]); };
    std::vector<StatArray> builds;
    const int level = r.target.level;
    for (int d = low(0); d <= std::min(stats[0].most, level); ++d)
        for (int p = low(1); p <= std::min(stats[1].most, level - d); ++p)
            for (int x = low(2); x <= std::min(stats[2].most, level - d - p); ++x) {
                const int m = level - d - p - x;
                if (m < low(3) || m > stats[3].most) continue;
                if (builds.size() == most) return {};
                builds.push_back({static_cast<std::int16_t>(d), static_cast<std::int16_t>(p),
                                  static_cast<std::int16_t>(x), static_cast<std::int16_t>(m)});
            }
    return builds;
}

// The routes of one form (or of the goal as it is), split by build where at most `most` are
// allowed.
void AddRoutes(const PlanRequest& r, const MagCore& start, std::size_t most,
               std::vector<Goal>& routes) {
    const std::vector<StatArray> builds = r.target.IsBuild() || !r.target.AsksStats() || most < 2
                                              ? std::vector<StatArray>{}
                                              : FewBuilds(r, start, most);
    std::vector<PlanRequest> asks;
    if (builds.empty()) asks.push_back(r);
    for (const StatArray& build : builds) {
        PlanRequest one = r;
        one.target.stats = Target::Exactly(build);
        asks.push_back(one);
    }
    for (const PlanRequest& ask : asks) {
        auto made = MakeGoal(ask, start);
        if (!std::holds_alternative<Goal>(made)) continue;
        for (Goal& route : Routes(std::get<Goal>(made), start, r.characterClass))
            routes.push_back(std::move(route));
    }
}

}  // namespace

std::vector<Goal> TargetRoutes(const Goal& goal, const PlanRequest& request, const MagCore& start) {
    std::vector<Goal> routes;
    if (!goal.anyForm) {
        AddRoutes(request, start, kMostBuildRoutes, routes);
    } else {
        // The forms the level allows, each split by build as far as the routes stay few.
        std::vector<PlanRequest> forms;
        for (const int form : FormsAfterFeeding(start, request.characterClass, request.parity)) {
            PlanRequest one = request;
            one.target.form = form;
            if (std::holds_alternative<Goal>(MakeGoal(one, start))) forms.push_back(one);
        }
        for (const PlanRequest& one : forms)
            AddRoutes(one, start, kMostBuildRoutes / forms.size(), routes);
    }
    if (routes.empty()) routes.push_back(goal);
    return routes;
}

}  // namespace toviran::planner
