// Feed tables, table choice, carry, the floor rule, the level cap and the clamp.
#include <gtest/gtest.h>

#include "engine/carry.h"
#include "engine/feed_tables.h"
#include "engine/feeding.h"
#include "test_support.h"

namespace toviran {
namespace {

using testing::RecordingDisplay;
using testing::SetStats;

void FeedOne(MagState& s, const std::string& item, CharacterClass cls = CharacterClass::HU,
             DisplayObserver* d = nullptr) {
    NullDisplay null;
    s.FeedName1 = item;
    パラメータバック記憶(s);
    FeedAndEvolve(s, cls, SectionIdParity::Even, d ? *d : null);
    その他処理(s, d ? *d : null);
}

TEST(FeedTables, NewMagFedOneMonomate) {
    MagState s;
    FeedOne(s, "モノメイト");
    EXPECT_EQ(s.DefProgress, 5);
    EXPECT_EQ(s.PowProgress, 40);
    EXPECT_EQ(s.DexProgress, 5);
    EXPECT_EQ(s.MindProgress, 0);
    EXPECT_EQ(s.IQ, 3);
    EXPECT_EQ(s.Synchro, 42);
    EXPECT_EQ(s.MagName, "マグ");
    EXPECT_EQ(s.Level, 5);
}

TEST(FeedTables, NamesAndTablesAreConsistent) {
    EXPECT_EQ(AllMagNames().size(), 57u);
    int rare = 0;
    for (auto name : AllMagNames()) {
        const int no = FeedTableNoForName(name);
        EXPECT_GE(no, 1) << name;
        rare += no == kRareFeedTable;
    }
    EXPECT_EQ(rare, 21);
    EXPECT_EQ(FeedItemIndex("スターアトマイザー"), 10);
    EXPECT_EQ(FeedItemIndex("マグ細胞213"), -1);
    EXPECT_EQ(FeedTableNoForName("マーク3"), 0);  // half-width digit is another name
    // Spot checks against rows the tables are known by.
    EXPECT_EQ(FeedTableByNo(5)[7].mind, -10);  // アンティパラライズ
    EXPECT_EQ(FeedTableByNo(7)[8].def, 10);    // ソルアトマイザー
    EXPECT_EQ(FeedTableByNo(8)[2].mind, -27);  // トリメイト
    EXPECT_EQ(FeedTableByNo(8)[10].synchro, 3);
}

// Which table feeds a mag is visible from the DEF delta of ソルアトマイザー, which differs
// in every table (15, 9, -10, 0, 5, 5, 10, 18); a progress of 50 absorbs any delta.
struct ChoiceCase {
    int level;
    const char* name;
    bool rare;
    int expectedDefDelta;
};

TEST(FeedTables, TableChoiceByLevelAndName) {
    const ChoiceCase cases[] = {
        {9, "ヴァルナ", false, 15},   {10, "マグ", false, 15},     {10, "ヴァルナ", false, 9},
        {20, "ルドラ", false, 9},     {34, "ルドラ", false, 9},    {35, "ルドラ", false, 0},
        {35, "スーリヤ", false, -10}, {40, "アンダカ", false, 10}, {5, "チャオ", true, 18},
        {60, "イラー", false, 5},
    };
    for (const auto& c : cases) {
        MagState s;
        SetStats(s, c.level, 0, 0, 0);
        s.MagName = c.name;
        s.RareMagFlag = c.rare ? kTrue : kFalse;
        s.DefProgress = 50;
        FeedOne(s, "ソルアトマイザー");
        EXPECT_EQ(s.DefProgress, 50 + c.expectedDefDelta) << c.level << " " << c.name;
    }
}

TEST(FeedTables, UnknownItemOrNameFeedsNothing) {
    MagState s;
    RecordingDisplay d;
    s.FeedName1 = "おにぎり";
    パラメータバック記憶(s);
    ApplyFeedTable(s, 1, d);
    EXPECT_TRUE(d.changes.empty());
    EXPECT_EQ(s.PowProgress, 0);

    // A name that no table lists feeds nothing and keeps the previous table number.
    MagState t;
    SetStats(t, 40, 5, 5, 5);
    t.MagName = "ななし";
    t.FeedTableNo = 6;
    FeedOne(t, "トリメイト");
    EXPECT_EQ(t.FeedTableNo, 6);
    EXPECT_EQ(t.PowProgress, 0);
}

TEST(Carry, LevelUpFloorAndBar) {
    MagState s;
    RecordingDisplay d;
    s.DefProgress = 95;
    パラメータバック記憶(s);
    s.DefProgress += 10;
    DEF処理(s, d);
    EXPECT_EQ(s.DefLevel, 6);
    EXPECT_EQ(s.Level, 6);
    EXPECT_EQ(s.DefProgress, 5);
    EXPECT_TRUE(d.Saw(DisplayItem::StatLevel, StatKind::Def));
    EXPECT_TRUE(d.Saw(DisplayItem::Level));
    EXPECT_FLOAT_EQ(BarFillWidth(1000.0f, s.DefProgress), 50.0f);
    EXPECT_FLOAT_EQ(BarFillWidth(1000.0f, 99), 990.0f);

    // Exactly 100 carries to 0; the floor rule does not touch that 0.
    s.PowProgress = 95;
    パラメータバック記憶(s);
    s.PowProgress += 5;
    POW処理(s, d);
    EXPECT_EQ(s.PowLevel, 1);
    EXPECT_EQ(s.PowProgress, 0);

    struct Floor {
        int before, delta, after;
    };
    for (Floor f : {Floor{3, -5, 3}, Floor{10, -5, 5}, Floor{5, -5, 5}, Floor{0, -5, 0}}) {
        MagState t;
        t.DexProgress = static_cast<std::int16_t>(f.before);
        パラメータバック記憶(t);
        t.DexProgress = static_cast<std::int16_t>(t.DexProgress + f.delta);
        DEX処理(t, d);
        EXPECT_EQ(t.DexProgress, f.after) << f.before << f.delta;
    }
}

TEST(Carry, ZeroDeltaStillRedrawsProgress) {
    MagState s;
    RecordingDisplay d;
    FeedOne(s, "モノメイト", CharacterClass::HU, &d);  // MIND delta 0
    EXPECT_TRUE(d.Saw(DisplayItem::StatProgress, StatKind::Mind));
    EXPECT_FALSE(d.Saw(DisplayItem::StatLevel, StatKind::Mind));
}

TEST(Carry, CapAtLevel200) {
    // Level 199: DEF reaches 200 and loses its rest; POW is held at 99 without a level.
    MagState s;
    SetStats(s, 50, 50, 50, 49);
    s.RareMagFlag = kTrue;
    s.MagName = "ピアン";
    s.DefProgress = 95;
    s.PowProgress = 60;
    s.DexProgress = 20;
    パラメータバック記憶(s);
    s.FeedName1 = "ディメイト";
    NullDisplay null;
    ApplyFeedTable(s, 1, null);
    EXPECT_EQ(s.Level, 200);
    EXPECT_EQ(s.DefLevel, 51);
    EXPECT_EQ(s.DefProgress, 99);
    EXPECT_EQ(s.PowLevel, 50);
    EXPECT_EQ(s.PowProgress, 99);
    EXPECT_EQ(s.DexProgress, 25);

    // At 200 a stat at 97 fed +5 shows 99 and no level label changes.
    RecordingDisplay d;
    s.DexProgress = 97;
    パラメータバック記憶(s);
    s.DexProgress += 5;
    DEX処理(s, d);
    EXPECT_EQ(s.DexProgress, 99);
    EXPECT_FALSE(d.Saw(DisplayItem::Level));
    EXPECT_FALSE(d.Saw(DisplayItem::StatLevel));
}

TEST(Carry, ClampIqAndSynchro) {
    MagState s;
    s.IQ = 198;
    s.Synchro = 119;
    FeedOne(s, "スターアトマイザー");  // table 1: IQ +5, synchro +5
    EXPECT_EQ(s.IQ, 200);
    EXPECT_EQ(s.Synchro, 120);

    MagState t;
    NullDisplay null;
    t.IQ = 0;
    t.Synchro = -2;
    その他処理(t, null);
    EXPECT_EQ(t.IQ, 0);
    EXPECT_EQ(t.Synchro, 0);
}

TEST(Carry, OutOfRangeIqDoesNotWrap) {
    // Values typed into the parameter window may be far outside the range.
    MagState s;
    SetStats(s, 40, 0, 0, 0);
    s.MagName = "ピアン";
    s.RareMagFlag = kTrue;
    s.IQ = 32767;
    s.Synchro = 32767;
    FeedOne(s, "スターアトマイザー");
    EXPECT_EQ(s.IQ, 200);
    EXPECT_EQ(s.Synchro, 120);
    s.IQ = -32768;
    s.Synchro = -32768;
    FeedOne(s, "ソルアトマイザー");  // table 8: IQ +1, synchro +1
    EXPECT_EQ(s.IQ, 0);
    EXPECT_EQ(s.Synchro, 0);
    FeedOne(s, "ソルアトマイザー");
    EXPECT_EQ(s.IQ, 1);
    EXPECT_EQ(s.Synchro, 1);
}

TEST(Carry, LevelIsAlwaysTheSumOfStats) {
    MagState s;
    const char* items[] = {"トリメイト", "スターアトマイザー", "アンティドート",
                           "ムーンアトマイザー"};
    for (int i = 0; i < 3000; ++i) {
        FeedOne(s, items[i % 4], CharacterClass::FO);
        ASSERT_EQ(s.Level, s.DefLevel + s.PowLevel + s.DexLevel + s.MindLevel);
        ASSERT_LE(s.Level, 200);
        for (StatKind k : kAllStats) ASSERT_LE(StatProgress(s, k), 99);
    }
    EXPECT_EQ(s.Level, 200);
}

}  // namespace
}  // namespace toviran
