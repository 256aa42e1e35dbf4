// The feed planner: a random feeding is a target with a known plan, so the planner must find
// one no longer, with a bound no higher, that the feeding run carries to the target; loosened
// into conditions, the target gets a plan no longer than the exact build's; small targets get
// the shortest plan there is; and the same request gets the same plan on one thread or two.
#include <gtest/gtest.h>

#include <stop_token>

#include "planner/goal.h"
#include "planner/planner.h"
#include "planner/presses.h"
#include "planner/reachability.h"
#include "planner_checks.h"

namespace toviran::planner {
namespace {

using namespace checks;

PlanRequest Request(CharacterClass cls, SectionIdParity parity, const char* form, int level) {
    PlanRequest r;
    r.characterClass = cls;
    r.parity = parity;
    r.target = {MagFormIndex(form), level};
    r.options = NoClock();
    return r;
}

// A smaller budget keeps the loops quick; the properties hold for any budget.
PlanOptions Modest() {
    return NoClock(12'000'000);
}

// The first plan found: still never longer than a random feeding, which wastes far more.
PlanOptions FirstFound() {
    PlanOptions o = Modest();
    o.firstPlan = true;
    return o;
}

std::string Describe(const PlanRequest& r) {
    std::string text = (r.target.form == kAnyForm ? std::string("*")
                                                  : std::string(kMagForms[r.target.form].name)) +
                       " Lv" + std::to_string(r.target.level);
    for (const StatRange& s : r.target.stats)
        text += " " + std::to_string(s.least) + ".." + std::to_string(s.most);
    return text;
}

void ExpectReaches(const PlanRequest& r, const Plan& plan) {
    const MagState end = Replay(r.start, plan, r.characterClass, r.parity);
    EXPECT_TRUE(Meets(r.target, end))
        << Describe(r) << " ends at " << end.MagName << " Lv" << end.Level;
    EXPECT_LE(plan.lowerBound, plan.items);
}

// A plan no longer than the feeding, with a bound no higher, that reaches the target.
void ExpectNoLongerThan(const PlanRequest& r, const PlanResult& result, const Feeding& f,
                        const std::string& where) {
    ASSERT_TRUE(result.plan) << where << ": " << Describe(r) << " " << f.Items()
                             << " items: reason " << static_cast<int>(result.reason.kind);
    EXPECT_LE(result.plan->items, f.Items()) << where << ": " << Describe(r);
    EXPECT_LE(result.plan->lowerBound, f.Items()) << where;
    ExpectReaches(r, *result.plan);
}

// From a new mag, and from a mag fed at random by another class before: each to the form
// alone or the exact build it ended at.
TEST(Planner, FindsAtLeastAsShortAsARandomFeeding) {
    std::mt19937 rng(7);
    for (int round = 0; round < 20 / kCaseDivisor; ++round) {
        const CharacterClass cls = kClasses[round % 3];
        const SectionIdParity parity = kParities[round / 3 % 2];
        const MagCore start = round % 4 < 2 ? MagCore{} : RandomlyFedMag(rng, parity, 40);
        const int level = std::min(kLevelCap, start.level + 5 + static_cast<int>(rng() % 111));
        const Feeding f = RandomFeeding(rng, start, cls, parity, level);
        PlanRequest r = Request(cls, parity, "マグ", f.mags.back().level);
        r.start = StateOf(start);
        r.target.form = f.mags.back().form;
        if (round % 2) r.target.stats = Target::Exactly(f.mags.back().statLevel);
        r.options = round % 3 == 0 ? Modest() : FirstFound();
        ExpectNoLongerThan(r, FindPlan(r), f, "round " + std::to_string(round));
    }
}

// A feeding's end loosened into conditions, for its form or any form: the plan is no longer
// than the feeding and no longer than the plan for the feeding's exact build.
TEST(Planner, ConditionsAreNoLongerThanTheBuildTheyAllow) {
    std::mt19937 rng(2027);
    for (int round = 0; round < 10 / kCaseDivisor; ++round) {
        const CharacterClass cls = kClasses[rng() % 3];
        const SectionIdParity parity = kParities[rng() % 2];
        const MagCore start = rng() % 2 ? MagCore{} : RandomlyFedMag(rng, parity, 40);
        const int level = std::min(kLevelCap, start.level + 5 + static_cast<int>(rng() % 100));
        const Feeding f = RandomFeeding(rng, start, cls, parity, level);
        PlanRequest exact = Request(cls, parity, "マグ", f.mags.back().level);
        exact.start = StateOf(start);
        exact.target.form = f.mags.back().form;
        exact.target.stats = Target::Exactly(f.mags.back().statLevel);
        exact.options = Modest();
        PlanRequest loose = exact;
        loose.target.stats = Loosened(rng, f.mags.back().statLevel);
        if (rng() % 3 == 0) loose.target.form = kAnyForm;
        const std::string where = "round " + std::to_string(round);
        const PlanResult forExact = FindPlan(exact);
        const PlanResult forLoose = FindPlan(loose);
        ExpectNoLongerThan(exact, forExact, f, where);
        ExpectNoLongerThan(loose, forLoose, f, where);
        if (forExact.plan && forLoose.plan) {
            EXPECT_LE(forLoose.plan->items, forExact.plan->items)
                << where << " " << Describe(loose);
        }
    }
}

// Rare forms too: the special item may be used before the target level, and the plan may do
// the same; from a mag fed before with another class as well.
TEST(Planner, RareFormsAtLeastAsShortAsARandomFeeding) {
    std::mt19937 rng(11);
    int planned = 0;
    for (int round = 0; planned < 5 / kCaseDivisor && round < 200; ++round) {
        const CharacterClass cls = kClasses[rng() % 3];
        const SectionIdParity parity = kParities[rng() % 2];
        const MagCore start = RandomlyFedMag(rng, parity, 30);
        const int special = static_cast<int>(rng() % SpecialItemInfos().size());
        const Feeding f = RandomFeeding(rng, start, cls, parity, 60 + rng() % 90, special);
        if (f.specialAt < 0) continue;
        PlanRequest r = Request(cls, parity, "マグ", f.mags.back().level);
        r.target.form = f.mags.back().form;
        r.start = StateOf(start);
        r.options = Modest();
        const PlanResult result = FindPlan(r);
        ExpectNoLongerThan(r, result, f, "round " + std::to_string(round));
        if (result.plan) {
            EXPECT_GE(result.plan->specialItem, 0);
        }
        ++planned;
    }
    EXPECT_EQ(planned, 5 / kCaseDivisor);
}

// Shortest where a search of the test's own can tell: every state the chosen items can reach
// up to the target level, breadth first. The planner must match it and prove it, for exact
// builds and for conditions.
TEST(Planner, ShortestOnSmallTargets) {
    struct Case {
        CharacterClass cls;
        SectionIdParity parity;
        const char* form;
        int level;
        StatRanges stats;
        std::vector<int> items;
    };
    const StatRanges any{};
    const Case cases[] = {
        {CharacterClass::HU, SectionIdParity::Odd, "ヴァルナ", 25, any, {0, 3, 10}},
        {CharacterClass::RA,
         SectionIdParity::Even,
         "カルキ",
         22,
         Target::Exactly({9, 5, 4, 4}),
         {1, 4, 9, 10}},
        {CharacterClass::FO,
         SectionIdParity::Odd,
         "ヴリトラ",
         18,
         Target::Exactly({8, 3, 4, 3}),
         {2, 5, 6, 7}},
        {CharacterClass::HU,
         SectionIdParity::Even,
         "ヴァルナ",
         12,
         Target::Exactly({6, 3, 2, 1}),
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {CharacterClass::RA,
         SectionIdParity::Odd,
         "カルキ",
         16,
         StatRanges{{{0, 200}, {0, 4}, {7, 200}, {0, 200}}},
         {1, 4, 6, 9}},
        {CharacterClass::HU,
         SectionIdParity::Even,
         "ヴァルナ",
         16,
         StatRanges{{{7, 9}, {0, 200}, {0, 3}, {2, 200}}},
         {0, 2, 3, 7, 10}},
    };
    for (const Case& c : cases) {
        PlanRequest r = Request(c.cls, c.parity, c.form, c.level);
        r.target.stats = c.stats;
        r.allowedItems = 0;
        for (const int item : c.items) r.allowedItems |= static_cast<ItemSet>(1u << item);
        const PlanResult result = FindPlan(r);
        ASSERT_TRUE(result.plan) << Describe(r);
        const int fewest =
            FewestItems(MagCore{}, c.cls, c.parity, c.items, c.level, [&](const MagCore& m) {
                return m.level == c.level && m.form == r.target.form && Meets(r.target, StateOf(m));
            });
        EXPECT_EQ(result.plan->items, fewest) << Describe(r);
        EXPECT_EQ(result.plan->lowerBound, result.plan->items) << Describe(r);
        EXPECT_EQ(result.end, SearchEnd::Found);
        ExpectReaches(r, *result.plan);
        for (const Press& p : result.plan->presses)
            for (const Slot& s : p.feedSlots) EXPECT_TRUE(r.allowedItems & (1u << s.item));
    }
}

// The nine second forms at 35 from a new mag, with every item: proven shortest.
TEST(Planner, SecondFormsAt35AreProvenShortest) {
    struct Case {
        CharacterClass cls;
        const char* form;
        int shortest;
    };
    const Case cases[] = {
        {CharacterClass::HU, "ルドラ", 50},   {CharacterClass::HU, "マルト", 52},
        {CharacterClass::HU, "ヴァーユ", 51}, {CharacterClass::RA, "スーリヤ", 51},
        {CharacterClass::RA, "ミトラ", 50},   {CharacterClass::RA, "タパス", 51},
        {CharacterClass::FO, "シュムバ", 51}, {CharacterClass::FO, "アシヴィン", 52},
        {CharacterClass::FO, "ナムチ", 50},
    };
    for (const Case& c : cases) {
        const PlanRequest r = Request(c.cls, SectionIdParity::Even, c.form, kSecondEvolutionLevel);
        const PlanResult result = FindPlan(r);
        ASSERT_TRUE(result.plan) << c.form;
        EXPECT_EQ(result.plan->items, c.shortest) << c.form;
        EXPECT_EQ(result.plan->lowerBound, c.shortest) << c.form;
        EXPECT_TRUE(result.Proven());
    }
}

// One thread or two: the searches share their work out in a fixed way, the bound depends on
// the state alone, and the budget is work, not time.
TEST(Planner, OneThreadOrTwoGiveTheSamePlan) {
    std::mt19937 rng(99);
    for (int round = 0; round < 8 / kCaseDivisor; ++round) {
        const CharacterClass cls = kClasses[rng() % 3];
        const SectionIdParity parity = kParities[rng() % 2];
        const MagCore start = rng() % 2 ? MagCore{} : RandomlyFedMag(rng, parity, 30);
        const int level = std::min(kLevelCap, start.level + 20 + static_cast<int>(rng() % 80));
        const Feeding f = RandomFeeding(rng, start, cls, parity, level);
        PlanRequest r = Request(cls, parity, "マグ", f.mags.back().level);
        r.start = StateOf(start);
        r.target.form = f.mags.back().form;
        if (rng() % 2) r.target.stats = Loosened(rng, f.mags.back().statLevel);
        r.options = NoClock(2'000'000);
        r.options.threads = 2;
        const PlanResult two = FindPlan(r);
        r.options.threads = 1;
        const PlanResult one = FindPlan(r);
        ASSERT_EQ(one.plan.has_value(), two.plan.has_value()) << Describe(r);
        EXPECT_EQ(one.workSpent, two.workSpent) << Describe(r);
        if (!one.plan) continue;
        EXPECT_EQ(one.plan->items, two.plan->items) << Describe(r);
        EXPECT_EQ(one.plan->lowerBound, two.plan->lowerBound) << Describe(r);
        ASSERT_EQ(one.plan->presses.size(), two.plan->presses.size()) << Describe(r);
        for (std::size_t i = 0; i < one.plan->presses.size(); ++i)
            EXPECT_EQ(one.plan->presses[i].after, two.plan->presses[i].after) << "press " << i;
    }
}

// More work never gives a longer plan or a lower bound.
TEST(Planner, MoreEffortIsNeverWorse) {
    std::mt19937 rng(404);
    for (int round = 0; round < 4 / kCaseDivisor; ++round) {
        const CharacterClass cls = kClasses[rng() % 3];
        const SectionIdParity parity = kParities[rng() % 2];
        const Feeding f = RandomFeeding(rng, MagCore{}, cls, parity, 40 + rng() % 60);
        PlanRequest r = Request(cls, parity, "マグ", f.mags.back().level);
        r.target.form = f.mags.back().form;
        r.options = NoClock(500'000);
        const PlanResult once = FindPlan(r);
        r.options.effort = 4;
        const PlanResult more = FindPlan(r);
        if (!once.plan) continue;
        ASSERT_TRUE(more.plan) << Describe(r);
        EXPECT_LE(more.plan->items, once.plan->items) << Describe(r);
        EXPECT_GE(more.plan->lowerBound, once.plan->lowerBound) << Describe(r);
        EXPECT_GT(more.workBudget, once.workBudget);
    }
}

// A plan that uses the special item before the target level and feeds the rare form after.
TEST(Planner, RareFormFedAfterItsSpecialItem) {
    const PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, "ピアン", 60);
    const PlanResult result = FindPlan(r);
    ASSERT_TRUE(result.plan);
    EXPECT_LE(result.plan->items, 118);
    EXPECT_LT(result.plan->specialAfter, result.plan->presses.size());
    ExpectReaches(r, *result.plan);
}

// A special item whose condition the mag already meets, or is one short of.
TEST(Planner, SpecialItemConditionsAtTheirEdge) {
    std::mt19937 rng(5);
    const MagCore fed =
        RandomFeeding(rng, MagCore{}, CharacterClass::HU, SectionIdParity::Even, 100).mags.back();
    // A mag that meets the condition needs the special item alone; one short needs items.
    const auto plan = [&](const char* form, const MagCore& start, int level) {
        PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, form, level);
        r.start = StateOf(start);
        const PlanResult result = FindPlan(r);
        EXPECT_TRUE(result.plan) << form;
        if (result.plan) ExpectReaches(r, *result.plan);
        return result.plan ? result.plan->items : -1;
    };
    EXPECT_EQ(plan("チュレル", fed, fed.level), 0);
    EXPECT_GE(plan("チュレル", fed, fed.level + 1), 1);
    MagCore pian = fed;  // the heart asks IQ 180 and synchro 110
    pian.iq = 180;
    pian.synchro = 110;
    EXPECT_EQ(plan("ピアン", pian, pian.level), 0);
    pian.iq = 179;
    EXPECT_GE(plan("ピアン", pian, pian.level + 2), 1);
}

// Presses: a run longer than one press splits, no press has more than four slots, and the
// special item ends a press.
TEST(Planner, PressesHoldAtMost10000ItemsAndFourSlots) {
    PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, "オパオパ", kLevelCap);
    const auto goal = std::get<Goal>(MakeGoal(r, MagCore{}));
    const LowerBound bound(goal, r.characterClass, r.parity, kAllItems);
    RefinementStore refinements;
    const SearchSpace space(goal, bound, refinements, r.characterClass, r.parity,
                            {0, 1, 2, 3, 4, 5});
    MagCore top;  // a mag at 200 takes items for ever without levelling
    top.level = kLevelCap;
    top.statLevel = {50, 50, 50, 50};
    Path path;
    path.items.assign(25000, 10);
    for (int item : {0, 1, 2, 3, 4, 5, 0}) path.items.push_back(item);
    path.specialAt = 25003;
    const Presses presses = PressesOf(space, top, path);
    int items = 0;
    for (std::size_t i = 0; i < presses.presses.size(); ++i) {
        const Press& p = presses.presses[i];
        int inPress = 0;
        for (const Slot& s : p.feedSlots) inPress += s.count;
        EXPECT_LE(inPress, kMaxItemsPerRun);
        EXPECT_LE(p.feedSlots.size(), 4u);
        items += inPress;
        if (i + 1 == presses.specialAfter) {
            EXPECT_EQ(items, 25003);
        }
    }
    EXPECT_EQ(items, 25007);
    // 10000 stars twice, the last 5000 with three more slots, then four after the special item.
    EXPECT_EQ(presses.presses.size(), 4u);
    EXPECT_EQ(presses.specialAfter, 3u);
}

TEST(Planner, StoppingEndsWithNoPlan) {
    PlanRequest r = Request(CharacterClass::FO, SectionIdParity::Even, "カバンダ", kLevelCap);
    std::stop_source stop;
    const PlanResult result = FindPlan(r, stop.get_token(), [&](double) { stop.request_stop(); });
    EXPECT_TRUE(result.Cancelled());
    EXPECT_FALSE(result.plan);
}

// The budget ends a search, and the answer says so: a search with almost no work left has
// no plan and says that the work ran out, and the progress it reports is the share of the
// budget spent.
TEST(Planner, TheBudgetEndsASearchAndSaysSo) {
    PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, "カバンダ", 120);
    r.options = NoClock(20'000);
    double last = 0;
    bool rising = true;
    const PlanResult result = FindPlan(r, {}, [&](double share) {
        rising = rising && share >= last;
        last = share;
    });
    EXPECT_FALSE(result.plan);
    EXPECT_EQ(result.end, SearchEnd::Work);
    EXPECT_EQ(result.reason.kind, ReasonKind::OutOfWork);
    EXPECT_TRUE(result.MoreWorkMayHelp());
    EXPECT_TRUE(rising);
    EXPECT_LE(last, 1.0);
    EXPECT_GE(result.workSpent, result.workBudget);
}

}  // namespace
}  // namespace toviran::planner
