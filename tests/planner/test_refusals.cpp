// Why there is no plan: every refusal of a well-formed request names its cause or says that
// the budget ran out, each at its boundary (one step inside is planned); the causes the bound
// proves are the fewest demands that conflict; and every 「ありません」 that a search reaches
// by running out of states agrees with a search of the test's own over every state.
#include <gtest/gtest.h>

#include "planner/planner.h"
#include "planner_checks.h"
#include "wording/reason_text.h"

namespace toviran::planner {
namespace {

using namespace checks;

PlanRequest Request(CharacterClass cls, const char* form, int level, StatRanges stats = {}) {
    PlanRequest r;
    r.characterClass = cls;
    r.parity = SectionIdParity::Even;
    r.target = {form[0] == '*' ? kAnyForm : MagFormIndex(form), level, stats};
    r.options = NoClock(4'000'000);
    // Whether there is a plan is all these tests ask.
    r.options.firstPlan = true;
    return r;
}

StatRanges Between(std::array<std::pair<int, int>, 4> ranges) {
    StatRanges stats{};
    for (std::size_t k = 0; k < 4; ++k) stats[k] = {ranges[k].first, ranges[k].second};
    return stats;
}

Reason Refusal(const PlanRequest& r) {
    const PlanResult result = FindPlan(r);
    EXPECT_FALSE(result.plan);
    return result.reason;
}

// Refused before any search, with the numbers it names; one step inside the boundary the
// request is not refused for that reason.
TEST(Refusals, ConditionsThatCanNeverHold) {
    const int any = kLevelCap;
    // The leasts add up to more than the level, by one.
    Reason why = Refusal(Request(CharacterClass::HU, "*", 60,
                                 Between({{{20, any}, {21, any}, {10, any}, {10, any}}})));
    EXPECT_EQ(why.kind, ReasonKind::LeastsAboveLevel);
    EXPECT_EQ(why.value, 61);
    EXPECT_TRUE(FindPlan(Request(CharacterClass::HU, "*", 60,
                                 Between({{{20, any}, {20, any}, {10, any}, {10, any}}})))
                    .plan);
    // The mosts add up to less than the level, by one.
    why = Refusal(
        Request(CharacterClass::HU, "*", 60, Between({{{0, 29}, {0, 10}, {0, 10}, {0, 10}}})));
    EXPECT_EQ(why.kind, ReasonKind::MostsBelowLevel);
    EXPECT_EQ(why.value, 59);
    // A least above its most.
    why = Refusal(
        Request(CharacterClass::HU, "*", 60, Between({{{0, any}, {31, 30}, {0, any}, {0, any}}})));
    EXPECT_EQ(why.kind, ReasonKind::LeastAboveMost);
    EXPECT_EQ(why.stat, StatKind::Pow);
    // A number above 200; 200 itself is allowed.
    why = Refusal(Request(CharacterClass::HU, "*", 200,
                          Between({{{0, any}, {0, any}, {201, 201}, {0, any}}})));
    EXPECT_EQ(why.kind, ReasonKind::StatAbove200);
    EXPECT_EQ(why.stat, StatKind::Dex);
    // A stat the mag already has above its most: DEF starts at 5.
    why = Refusal(
        Request(CharacterClass::HU, "*", 60, Between({{{0, 4}, {0, any}, {0, any}, {0, any}}})));
    EXPECT_EQ(why.kind, ReasonKind::StatAboveMost);
    EXPECT_EQ(why.value, 5);
    EXPECT_EQ(why.otherValue, 4);
    const PlanResult inside = FindPlan(
        Request(CharacterClass::HU, "*", 60, Between({{{0, 5}, {0, any}, {0, any}, {0, any}}})));
    EXPECT_TRUE(inside.plan || inside.reason.kind != ReasonKind::StatAboveMost);
}

// The requests players were given no reason for: each is impossible, and the reason names the
// demands that conflict, proven by the bound before any search.
TEST(Refusals, ConflictsNameTheirDemands) {
    // All of DEF at 50: before level 10 every item raises POW, DEX or MIND.
    Reason why =
        Refusal(Request(CharacterClass::HU, "ヴァラーハ", 50, Target::Exactly({50, 0, 0, 0})));
    ASSERT_EQ(why.kind, ReasonKind::Conflict);
    EXPECT_EQ(why.demands.front().kind, Demand::Kind::Level);
    for (const Demand& d : why.demands)
        EXPECT_TRUE(d.kind == Demand::Kind::Level || d.kind == Demand::Kind::StatAtMost);
    // ナムチ at 60 as FO odd: the evolution at 35 and the ones from 50 ask for orderings that
    // cannot both hold.
    PlanRequest namuchi = Request(CharacterClass::FO, "ナムチ", 60);
    namuchi.parity = SectionIdParity::Odd;
    why = Refusal(namuchi);
    ASSERT_EQ(why.kind, ReasonKind::Conflict);
    ASSERT_EQ(why.demands.size(), 2u);
    EXPECT_EQ(why.demands[1].kind, Demand::Kind::Form);
    EXPECT_NE(why.demands[1].second, 0);
    EXPECT_EQ(why.demands[1].judgedAt, 60);
    // One whole sentence.
    EXPECT_EQ(wording::ReasonText(Refusal(Request(
                  CharacterClass::HU, "*", 30, Between({{{0, 200}, {0, 0}, {0, 200}, {0, 0}}})))),
              "HU・偶数IDで今のマグから育てると、次の条件は同時には満たせません：Lv30、POW "
              "0以下、MIND 0以下。");
}

// The reasons known before any search, with the numbers and forms they name.
TEST(Refusals, TargetsRefusedBeforeAnySearch) {
    struct Case {
        CharacterClass cls;
        const char* form;
        int level;
        StatRanges stats;
        ReasonKind kind;
    };
    const StatRanges any{};
    const Case cases[] = {
        {CharacterClass::HU, "カバンダ", 100, Target::Exactly({5, 0, 45, 50}),
         ReasonKind::BuildGivesOtherForm},
        {CharacterClass::HU, "カバンダ", 100, Target::Exactly({4, 30, 20, 46}),
         ReasonKind::StatWouldFall},
        {CharacterClass::HU, "カバンダ", 201, any, ReasonKind::LevelAbove200},
        {CharacterClass::HU, "カバンダ", 100, Target::Exactly({10, 30, 20, 41}),
         ReasonKind::BuildSum},
        {CharacterClass::HU, "カバンダ", 200, Target::Exactly({201, 0, 0, 0}),
         ReasonKind::StatAbove200},
        {CharacterClass::HU, "カバンダ", 40, any, ReasonKind::TooEarly},
        {CharacterClass::HU, "カルキ", 20, any, ReasonKind::ClassCannotReach},
        {CharacterClass::HU, "プレタ", 100, any, ReasonKind::OtherParity},
        {CharacterClass::HU, "エルノア", 100, any, ReasonKind::NotByFeeding},
        {CharacterClass::HU, "チュレル", 99, any, ReasonKind::SpecialNeedsLevel},
        {CharacterClass::HU, "チャオ", 150, Target::Exactly({34, 36, 40, 40}),
         ReasonKind::BuildMissesSpecial},
        {CharacterClass::HU, "マグ", 12, any, ReasonKind::MagEvolvesAt10},
        {CharacterClass::FO, "ヴリトラ", 200, any, ReasonKind::EvolvesAway},
        {CharacterClass::HU, "マルト", 200, any, ReasonKind::EvolvesAtTarget},
    };
    for (const Case& c : cases) {
        PlanRequest r = Request(c.cls, c.form, c.level, c.stats);
        r.options.work = 1;  // every one of these is known before any search
        const PlanResult result = FindPlan(r);
        EXPECT_FALSE(result.plan) << c.form;
        EXPECT_EQ(result.reason.kind, c.kind) << c.form << " Lv" << c.level;
        EXPECT_TRUE(Proves(result.reason.kind));
    }
    // 200 itself is a level a stat may have.
    Reason why;
    EXPECT_EQ(Refusal(Request(CharacterClass::HU, "カバンダ", 200, Target::Exactly({200, 0, 0, 0})))
                  .otherForm,
              MagFormIndex("ヴァラーハ"));
    // Some whole sentences, as the player reads them.
    EXPECT_EQ(wording::ReasonText(Refusal(
                  Request(CharacterClass::HU, "カバンダ", 100, Target::Exactly({10, 30, 20, 39})))),
              "能力値の合計99が目標レベル100と違います。");
    EXPECT_EQ(wording::ReasonText(Refusal(Request(CharacterClass::HU, "プレタ", 100))),
              "プレタは奇数IDだけのレアマグです。今のIDではチュレルになります。");
    // The chosen items are named only when some were left out.
    PlanRequest r = Request(CharacterClass::HU, "イラー", 50);
    r.allowedItems = 1u << 10;  // star atomizers keep the stats equal: DEX can never lead
    why = Refusal(r);
    ASSERT_EQ(why.kind, ReasonKind::Conflict);
    EXPECT_EQ(why.demands.back().kind, Demand::Kind::Items);
    r.allowedItems = kAllItems;
    EXPECT_TRUE(FindPlan(r).plan);
}

// The start the player chose is the one the reasons name.
TEST(Refusals, ReasonsNameTheStart) {
    PlanRequest r = Request(CharacterClass::FO, "カルキ", 40);
    r.parity = SectionIdParity::Odd;
    r.startIsNewMag = true;
    Reason why = Refusal(r);
    EXPECT_EQ(why.kind, ReasonKind::ClassCannotReach);
    EXPECT_EQ(why.start, StartWord::NewMag);
    r.target = {MagFormIndex("ヴリトラ"), 4};  // one below the mag's
    EXPECT_EQ(wording::ReasonText(Refusal(r)),
              "目標レベル4は新しいマグのレベル5より低いです。レベルは下がりません。");
    // From a RA mag the RA form is out of reach for FO, though a new mag would not help.
    r.startIsNewMag = false;
    std::mt19937 rng(3);
    r.start = StateOf(
        RandomFeeding(rng, MagCore{}, CharacterClass::RA, SectionIdParity::Odd, 20).mags.back());
    r.target = {MagFormIndex("ヴリトラ"), 30};
    why = Refusal(r);
    EXPECT_EQ(why.kind, ReasonKind::ClassCannotReach);
    EXPECT_TRUE(why.newMagWould);
}

// Small targets with a few items: whenever the planner says no feeding reaches the target,
// every state the items can reach agrees; whenever it has a plan, so does the test's search.
TEST(Refusals, ImpossibleVerdictsAgreeWithAnExhaustiveSearch) {
    std::mt19937 rng(31);
    int impossible = 0;
    for (int round = 0; round < 60 / kCaseDivisor; ++round) {
        const CharacterClass cls = kClasses[rng() % 3];
        const SectionIdParity parity = kParities[rng() % 2];
        std::vector<int> items;
        for (int i = 0; i < kFeedItemCount; ++i)
            if (rng() % 5 == 0 && items.size() < 3) items.push_back(i);
        if (items.empty()) items.push_back(static_cast<int>(rng() % kFeedItemCount));
        const int level = 11 + static_cast<int>(rng() % 6);
        PlanRequest r = Request(cls, "*", level);
        r.parity = parity;
        r.allowedItems = 0;
        for (const int item : items) r.allowedItems |= static_cast<ItemSet>(1u << item);
        // Random conditions around an even split, some of them out of reach.
        for (StatRange& s : r.target.stats) {
            const int centre = level / 4;
            switch (rng() % 3) {
                case 0:
                    s = {static_cast<int>(rng() % (centre + 3)), kLevelCap};
                    break;
                case 1:
                    s = {0, static_cast<int>(rng() % (centre + 3))};
                    break;
                default:
                    break;
            }
        }
        if (rng() % 2) r.target.form = FirstEvolutionForm(cls);
        const PlanResult result = FindPlan(r);
        const int fewest = FewestItems(MagCore{}, cls, parity, items, level, [&](const MagCore& m) {
            return m.level == level && (r.target.form == kAnyForm || m.form == r.target.form) &&
                   std::ranges::all_of(std::array{0, 1, 2, 3}, [&](int k) {
                       return r.target.stats[k].Holds(m.statLevel[k]);
                   });
        });
        if (!result.plan && Proves(result.reason.kind)) {
            ++impossible;
            EXPECT_EQ(fewest, -1) << "round " << round;
        }
        if (result.plan && result.Proven()) {
            EXPECT_EQ(result.plan->items, fewest) << round;
        }
        if (result.plan) {
            EXPECT_GE(result.plan->items, fewest) << "round " << round;
        }
    }
    EXPECT_GT(impossible, 5);
}

}  // namespace
}  // namespace toviran::planner
