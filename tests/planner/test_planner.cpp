// The feed planner: a random feeding is a target with a known plan, so the planner must find
// one no longer, with a bound no higher, that the feeding run carries to the target; small
// targets get the shortest plan there is; the same request gets the same plan; and targets
// that cannot be reached say why at once.
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

PlanRequest Request(CharacterClass cls, SectionIdParity parity, const char* form, int level,
                    std::optional<StatArray> build = std::nullopt) {
    PlanRequest r;
    r.characterClass = cls;
    r.parity = parity;
    r.target = {MagFormIndex(form), level, build};
    return r;
}

// A smaller budget keeps the loops quick; the properties hold for any budget.
PlanOptions Modest() {
    PlanOptions o;
    o.work = 12'000'000;
    return o;
}

// The first plan found: still never longer than a random feeding, which wastes far more.
PlanOptions FirstFound() {
    PlanOptions o = Modest();
    o.firstPlan = true;
    return o;
}

void ExpectReaches(const PlanRequest& r, const Plan& plan) {
    const MagState end = Replay(r.start, plan, r.characterClass, r.parity);
    EXPECT_EQ(end.MagName, kMagForms[r.target.form].name);
    EXPECT_EQ(end.Level, r.target.level);
    if (r.target.build) {
        EXPECT_EQ(Stats(end), *r.target.build);
    }
    EXPECT_LE(plan.lowerBound, plan.items);
}

TEST(Planner, FindsAtLeastAsShortAsARandomFeeding) {
    std::mt19937 rng(7);
    for (int round = 0; round < 30 / kCaseDivisor; ++round) {
        const CharacterClass cls = kClasses[round % 3];
        const SectionIdParity parity = kParities[round / 3 % 2];
        const int level = 10 + static_cast<int>(rng() % 111);
        const Feeding f = RandomFeeding(rng, MagCore{}, cls, parity, level);
        PlanRequest r = Request(cls, parity, "マグ", f.mags.back().level);
        r.target.form = f.mags.back().form;
        if (round % 2) r.target.build = f.mags.back().statLevel;
        r.options = round % 3 == 0 ? Modest() : FirstFound();
        const PlanResult result = FindPlan(r);
        ASSERT_TRUE(result.plan) << "round " << round << ": " << kMagForms[r.target.form].name
                                 << " Lv" << r.target.level << " " << f.Items()
                                 << " items: " << result.reason;
        EXPECT_LE(result.plan->items, f.Items()) << "round " << round;
        ExpectReaches(r, *result.plan);
    }
}

// Rare forms too: the special item may be used before the target level, and the plan may do
// the same; from a mag fed before with another class as well.
TEST(Planner, RareFormsAtLeastAsShortAsARandomFeeding) {
    std::mt19937 rng(11);
    int planned = 0;
    for (int round = 0; planned < 8 / kCaseDivisor && round < 200; ++round) {
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
        ASSERT_TRUE(result.plan) << result.reason;
        EXPECT_LE(result.plan->items, f.Items());
        EXPECT_GE(result.plan->specialItem, 0);
        ExpectReaches(r, *result.plan);
        ++planned;
    }
    EXPECT_EQ(planned, 8 / kCaseDivisor);
}

// Shortest where a search of the test's own can tell: every state the chosen items can reach
// up to the target level, breadth first. The planner must match it and prove it.
TEST(Planner, ShortestOnSmallTargets) {
    struct Case {
        CharacterClass cls;
        SectionIdParity parity;
        const char* form;
        int level;
        std::optional<StatArray> build;
        std::vector<int> items;
    };
    const Case cases[] = {
        {CharacterClass::HU, SectionIdParity::Odd, "ヴァルナ", 25, std::nullopt, {0, 3, 10}},
        {CharacterClass::RA,
         SectionIdParity::Even,
         "カルキ",
         22,
         StatArray{9, 5, 4, 4},
         {1, 4, 9, 10}},
        {CharacterClass::FO,
         SectionIdParity::Odd,
         "ヴリトラ",
         20,
         StatArray{8, 3, 5, 4},
         {2, 5, 6, 7}},
        {CharacterClass::HU,
         SectionIdParity::Even,
         "ヴァルナ",
         12,
         StatArray{6, 3, 2, 1},
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const Case& c : cases) {
        PlanRequest r = Request(c.cls, c.parity, c.form, c.level, c.build);
        r.allowedItems = 0;
        for (const int item : c.items) r.allowedItems |= static_cast<ItemSet>(1u << item);
        const PlanResult result = FindPlan(r);
        ASSERT_TRUE(result.plan) << c.form << c.level << result.reason;
        const int fewest =
            FewestItems(MagCore{}, c.cls, c.parity, c.items, c.level, [&](const MagCore& m) {
                return m.level == c.level && m.form == r.target.form &&
                       (!c.build || m.statLevel == *c.build);
            });
        EXPECT_EQ(result.plan->items, fewest) << c.form << c.level;
        EXPECT_EQ(result.plan->lowerBound, result.plan->items) << c.form << c.level;
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
        ASSERT_TRUE(result.plan) << c.form << result.reason;
        EXPECT_EQ(result.plan->items, c.shortest) << c.form;
        EXPECT_EQ(result.plan->lowerBound, c.shortest) << c.form;
    }
}

// A build that the plan for the form alone already ends at gets a plan no longer than it.
TEST(Planner, AskingForWhereTheFormPlanEndsIsNoLonger) {
    for (const char* form : {"カバンダ", "イラー"}) {
        PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, form, 50);
        r.options = Modest();
        const PlanResult alone = FindPlan(r);
        ASSERT_TRUE(alone.plan);
        r.target.build = alone.plan->final.statLevel;
        const PlanResult built = FindPlan(r);
        ASSERT_TRUE(built.plan) << built.reason;
        EXPECT_LE(built.plan->items, alone.plan->items) << form;
    }
}

// Two threads or one: the searches share their work out in a fixed way and are bounded by
// work, not time.
TEST(Planner, TheSameRequestGetsTheSamePlan) {
    PlanRequest r = Request(CharacterClass::RA, SectionIdParity::Odd, "ヴァラーハ", 50);
    r.options = Modest();
    const PlanResult first = FindPlan(r);
    r.options.threads = 1;
    const PlanResult alone = FindPlan(r);
    ASSERT_TRUE(first.plan && alone.plan);
    ASSERT_EQ(first.plan->presses.size(), alone.plan->presses.size());
    for (std::size_t i = 0; i < first.plan->presses.size(); ++i)
        EXPECT_EQ(first.plan->presses[i].after, alone.plan->presses[i].after) << "press " << i;
    EXPECT_EQ(first.plan->lowerBound, alone.plan->lowerBound);
}

// A plan that uses the special item before the target level and feeds the rare form after.
TEST(Planner, RareFormFedAfterItsSpecialItem) {
    const PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, "ピアン", 60);
    const PlanResult result = FindPlan(r);
    ASSERT_TRUE(result.plan) << result.reason;
    EXPECT_LE(result.plan->items, 118);
    EXPECT_LT(result.plan->specialAfter, result.plan->presses.size());
    ExpectReaches(r, *result.plan);
}

TEST(Planner, ImpossibleTargetsSayWhyAtOnce) {
    struct Case {
        CharacterClass cls;
        const char* form;
        int level;
        std::optional<StatArray> build;
        const char* reason;
    };
    const Case cases[] = {
        {CharacterClass::HU, "カバンダ", 100, StatArray{5, 0, 45, 50},
         "その能力値だと、Lv100の進化でウシャスになります。"},
        {CharacterClass::HU, "カバンダ", 100, StatArray{4, 30, 20, 46},
         "今のマグのDEFは5で、4には下がりません。能力値は上がるだけです。"},
        {CharacterClass::HU, "カバンダ", 201, std::nullopt,
         "目標レベル201は200を超えています。レベルは200までです。"},
        {CharacterClass::HU, "カバンダ", 100, StatArray{10, 30, 20, 41},
         "能力値の合計101が目標レベル100と違います。"},
        {CharacterClass::HU, "カバンダ", 100, StatArray{10, 30, 20, 39},
         "能力値の合計99が目標レベル100と違います。"},
        {CharacterClass::HU, "カバンダ", 200, StatArray{201, 0, 0, 0}, "DEFは200までです。"},
        {CharacterClass::HU, "カバンダ", 200, StatArray{200, 0, 0, 0},  // 200 itself is allowed
         "その能力値だと、Lv200の進化でヴァラーハになります。"},
        {CharacterClass::HU, "カバンダ", 40, std::nullopt, "カバンダになれるのはLv50からです。"},
        {CharacterClass::HU, "カルキ", 20, std::nullopt, "カルキには、HU・偶数IDでは育ちません。"},
        {CharacterClass::HU, "プレタ", 100, std::nullopt,
         "プレタは奇数IDだけのレアマグです。今のIDではチュレルになります。"},
        {CharacterClass::HU, "エルノア", 100, std::nullopt,
         "エルノアはえさでもレアマグ進化でもなれない姿です（パラメータ設定でだけなれます）。"},
        {CharacterClass::HU, "チュレル", 99, std::nullopt, "マグ細胞213はLv100から使えます。"},
        {CharacterClass::HU, "チャオ", 150, StatArray{34, 36, 40, 40},
         "その能力値ではチャオの心の条件を満たしません。「チャオ」　使用条件：DEF POW DEX MIND "
         "が全て35以上"},
        {CharacterClass::HU, "マグ", 12, std::nullopt,
         "マグはLv10で進化するので、Lv10からはマグのままでいられません。"},
        {CharacterClass::FO, "ヴリトラ", 200, std::nullopt,
         "ヴリトラはLv35で必ず進化するので、Lv200ではヴリトラのままでいられません。"},
        {CharacterClass::HU, "マルト", 200, std::nullopt,
         "マルトはLv200の進化で必ず別の姿になるので、Lv200ではマルトのままでいられません。"},
        {CharacterClass::FO, "バーナ", 50, std::nullopt,
         "この目標に届くえさの与え方はありません。"},
    };
    for (const Case& c : cases) {
        PlanRequest r = Request(c.cls, SectionIdParity::Even, c.form, c.level, c.build);
        r.options.work = 1;  // every one of these is known before any search
        const PlanResult result = FindPlan(r);
        EXPECT_FALSE(result.plan) << c.form;
        EXPECT_EQ(result.reason, c.reason);
    }
    // The chosen items are named only when some were left out.
    PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, "イラー", 50);
    r.allowedItems = 1u << 10;  // star atomizers keep the stats equal: DEX can never lead
    EXPECT_EQ(FindPlan(r).reason, "選んだえさだけでは目標に届きません。");
}

// The start the player chose is the one the reasons name.
TEST(Planner, ReasonsNameTheStart) {
    PlanRequest r = Request(CharacterClass::FO, SectionIdParity::Odd, "カルキ", 40);
    r.startIsNewMag = true;
    EXPECT_EQ(FindPlan(r).reason, "カルキには、FO・奇数IDでは育ちません。");
    r.target = {MagFormIndex("ヴリトラ"), 4, std::nullopt};  // one below the mag's
    EXPECT_EQ(FindPlan(r).reason,
              "目標レベル4は新しいマグのレベル5より低いです。レベルは下がりません。");
    // From a RA mag the RA form is out of reach for FO, though a new mag would not help.
    r.startIsNewMag = false;
    std::mt19937 rng(3);
    r.start = StateOf(
        RandomFeeding(rng, MagCore{}, CharacterClass::RA, SectionIdParity::Odd, 20).mags.back());
    r.target = {MagFormIndex("ヴリトラ"), 30, std::nullopt};
    EXPECT_EQ(FindPlan(r).reason,
              "ヴリトラには、FO・奇数IDでは今のマグからは育ちません。新しいマグからなら育ちます。");
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
        EXPECT_TRUE(result.plan) << form << ": " << result.reason;
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
    // A build one level short of the condition is refused before any search.
    PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, "オモチャオ", 150,
                            StatArray{70, 69, 6, 5});
    EXPECT_EQ(
        FindPlan(r).reason,
        "その能力値ではオモチャオのパーツの条件を満たしません。「オモチャオ」　使用条件：DEF POW "
        "DEX MIND のいずれか2つが70以上");
}

// Presses: a run longer than one press splits, no press has more than four slots, and the
// special item ends a press.
TEST(Planner, PressesHoldAtMost10000ItemsAndFourSlots) {
    PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, "オパオパ", kLevelCap);
    const auto goal = std::get<Goal>(MakeGoal(r, MagCore{}));
    const LowerBound bound(goal, r.characterClass, r.parity, kAllItems);
    const SearchSpace space(goal, bound, r.characterClass, r.parity, {0, 1, 2, 3, 4, 5});
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
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.plan);
}

// Every form that feeding reaches is planned from a new mag at the level reachability finds,
// which the evolution tables allow. A FO form that needs DEF 45 first comes later: one of
// them is looked for in full. (The rare forms have their own test above.)
TEST(Planner, EveryFormByFeedingIsPlannedFromANewMag) {
    PlanOptions quick;
    quick.work = 2'000'000;
    const auto plannedAt = [&](const FormReach& reach, CharacterClass cls, SectionIdParity parity) {
        const auto found = LowestPlannedLevel(reach, cls, parity, quick);
        EXPECT_TRUE(found) << kMagForms[reach.form].name;
        if (!found) return 0;
        PlanRequest r = Request(cls, parity, "マグ", found->first);
        r.target.form = reach.form;
        ExpectReaches(r, found->second);
        return found->first;
    };
    int seen = 0;
    for (const CharacterClass cls : kClasses) {
        for (const SectionIdParity parity : kParities) {
            for (const FormReach& reach : ReachableForms(cls, parity)) {
                if (!reach.reachable || reach.specialItem >= 0) continue;
                if (reach.how.find("DEF45以上") != std::string::npos) continue;
                if (seen++ % kCaseDivisor != 0) continue;
                EXPECT_EQ(plannedAt(reach, cls, parity), reach.fromLevel)
                    << kMagForms[reach.form].name;
            }
        }
    }
    const FormReach bana =
        ReachableForms(CharacterClass::FO, SectionIdParity::Even)[Form("バーナ")];
    EXPECT_GT(plannedAt(bana, CharacterClass::FO, SectionIdParity::Even), bana.fromLevel);
}

}  // namespace
}  // namespace toviran::planner
