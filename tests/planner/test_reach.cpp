// The table of every form a mag can still become agrees with single plans: a reachable row's
// level has a plan and every level below it is proven to have none; an impossible row's levels
// have none; and the same table comes out twice.
#include <gtest/gtest.h>

#include "engine/feed_tables.h"
#include "planner/planner.h"
#include "planner/reach_table.h"
#include "planner/reachability.h"
#include "planner_checks.h"

namespace toviran::planner {
namespace {

using namespace checks;

ReachRequest TableFor(const MagCore& start, CharacterClass cls, SectionIdParity parity) {
    ReachRequest r;
    r.start = StateOf(start);
    r.characterClass = cls;
    r.parity = parity;
    r.options.timeLimit = std::chrono::milliseconds{0};
    r.options.work = 1'000'000;
    return r;
}

PlanResult PlanAt(const ReachRequest& table, int form, int level) {
    ReachRow row;
    row.form = form;
    row.level = level;
    PlanRequest r = row.PlanAt(table);
    r.options.timeLimit = std::chrono::milliseconds{0};
    r.options.work = 4'000'000;
    return FindPlan(r);
}

// The levels below a reachable row's own that the row proves empty: the levels its form can
// be given at, from the lowest the tables allow.
void ExpectRowAgrees(const ReachRequest& table, const ReachRow& row, const MagCore& start) {
    const std::string name(kMagForms[row.form].name);
    switch (row.status) {
        case ReachRow::Status::Reachable: {
            const PlanResult at = PlanAt(table, row.form, row.level);
            ASSERT_TRUE(at.plan) << name << " Lv" << row.level;
            EXPECT_GE(at.plan->items, row.bound) << name;
            EXPECT_LE(row.bound, row.items) << name;
            const FormReach reach = ReachableForms(
                table.characterClass, table.parity)[static_cast<std::size_t>(row.form)];
            const int step = reach.levelStep;
            for (int level = std::max(reach.fromLevel, static_cast<int>(start.level));
                 level < row.level; level += step) {
                if (level % step != 0 && step > 1) continue;
                const PlanResult below = PlanAt(table, row.form, level);
                EXPECT_FALSE(below.plan) << name << " Lv" << level;
                if (!below.plan) {
                    EXPECT_TRUE(Proves(below.reason.kind)) << name << " Lv" << level;
                }
            }
            break;
        }
        case ReachRow::Status::Impossible:
            EXPECT_TRUE(Proves(row.reason.kind)) << name;
            for (const int level : {50, 100, 200}) {
                if (level >= start.level) {
                    EXPECT_FALSE(PlanAt(table, row.form, level).plan) << name;
                }
            }
            break;
        case ReachRow::Status::Unsettled:
            EXPECT_FALSE(Proves(row.reason.kind)) << name;
            break;
    }
}

TEST(Reach, RowsAgreeWithSinglePlans) {
    std::mt19937 rng(57);
    for (int round = 0; round < 4 / kCaseDivisor; ++round) {
        const CharacterClass cls = kClasses[rng() % 3];
        const SectionIdParity parity = kParities[rng() % 2];
        const MagCore start = round % 2 ? RandomlyFedMag(rng, parity, 40) : MagCore{};
        const ReachRequest table = TableFor(start, cls, parity);
        for (int pick = 0; pick < 2; ++pick) {
            const int form = static_cast<int>(rng() % kMagFormCount);
            ExpectRowAgrees(table, ReachOf(table, form), start);
        }
    }
}

// The same request gives the same table, and the planner's own default level for a form
// (the row's) is never one with no plan: ピアン is not had at 5, and the row finds a level
// where it is.
TEST(Reach, TheSameTableTwiceAndNoDefaultWithoutAPlan) {
    ReachRequest table = TableFor(MagCore{}, CharacterClass::HU, SectionIdParity::Even);
    table.options.work = kReachWork;
    const ReachRow pian = ReachOf(table, Form("ピアン"));
    const ReachRow again = ReachOf(table, Form("ピアン"));
    EXPECT_EQ(pian.status, again.status);
    EXPECT_EQ(pian.level, again.level);
    EXPECT_EQ(pian.items, again.items);
    ASSERT_GT(pian.level, 0);
    EXPECT_TRUE(PlanAt(table, Form("ピアン"), pian.level).plan);
}

// Near the top level the forms a mag can no longer become are proven so at once, some by a
// search that ends before it makes a state. Such a row gives the reason at the highest level,
// never that the budget ran out.
TEST(Reach, ImpossibleRowsNearTheTopSayWhy) {
    MagCore start;
    start.level = 195;
    start.statLevel = {40, 60, 40, 55};
    start.form = Form("カバンダ");
    start.feedTableNo = static_cast<std::int8_t>(FeedTableNoForForm(start.form));
    ReachRequest table = TableFor(start, CharacterClass::HU, SectionIdParity::Even);
    table.options.work = kReachWork;
    for (const int form : {Form("ヴァラーハ"), Form("イラー"), Form("ウシャス")}) {
        const ReachRow row = ReachOf(table, form);
        EXPECT_EQ(row.status, ReachRow::Status::Impossible) << kMagForms[form].name;
        EXPECT_EQ(row.reason.kind, ReasonKind::Conflict) << kMagForms[form].name;
        EXPECT_EQ(row.reason.level, kLevelCap) << kMagForms[form].name;
    }
}

// A row left open because the memory ran out says so, not that the work did: the player then
// knows more work alone may not settle it.
TEST(Reach, AnOpenRowNamesTheLimitThatLeftItOpen) {
    ReachRequest table = TableFor(MagCore{}, CharacterClass::HU, SectionIdParity::Even);
    table.startIsNewMag = true;
    table.options.memoryBytes = std::size_t{1} << 20;
    const ReachRow row = ReachOf(table, Form("ピアン"));
    EXPECT_EQ(row.status, ReachRow::Status::Unsettled);
    EXPECT_EQ(row.reason.kind, ReasonKind::OutOfMemory);
}

}  // namespace
}  // namespace toviran::planner
