// Table choice, carry, the floor rule, the level cap and the clamp of IQ and synchro.
#include <gtest/gtest.h>

#include "engine/feed_tables.h"
#include "test_support.h"

namespace toviran {
namespace {

using testing::FeedOne;
using testing::RecordingDisplay;
using testing::SetStats;

// Which table feeds a mag is visible from the DEF delta of ソルアトマイザー, which differs
// in every table (15, 9, -10, 0, 5, 5, 10, 18); a progress of 50 absorbs any delta.
TEST(FeedTables, TableChoiceByLevelAndName) {
    const struct {
        int level;
        const char* name;
        bool rare;
        int expectedDefDelta;
    } cases[] = {
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
    FeedOne(s, "おにぎり", CharacterClass::HU, SectionIdParity::Even, &d);
    EXPECT_FALSE(d.Saw(DisplayItem::StatProgress));
    EXPECT_EQ(s.PowProgress, 0);

    // A name that no table lists feeds nothing and keeps the previous table number.
    SetStats(s, 40, 5, 5, 5);
    s.MagName = "ななし";
    s.FeedTableNo = 6;
    FeedOne(s, "トリメイト");
    EXPECT_EQ(s.FeedTableNo, 6);
    EXPECT_EQ(s.PowProgress, 0);
}

TEST(Carry, LevelUpFloorAndBar) {
    // Progress after the item, from the progress before it: one level at 100 and above,
    // and a result of 0 or below falls back to the progress before the item.
    const struct {
        int before, delta, after, levels;
    } cases[] = {{95, 10, 5, 1}, {95, 5, 0, 1}, {99, 1, 0, 1}, {95, 4, 99, 0}, {3, -5, 3, 0},
                 {10, -5, 5, 0}, {5, -5, 5, 0}, {0, -5, 0, 0}, {0, 0, 0, 0}};
    constexpr int kDex = static_cast<int>(StatKind::Dex);
    for (const auto& c : cases) {
        MagCore m;
        RecordingDisplay d;
        m.progress[kDex] = static_cast<std::int16_t>(c.before);
        const FeedDelta delta{0, 0, static_cast<std::int8_t>(c.delta), 0, 0, 0};
        const StatArray before = m.progress;
        ReportItemEffect({true, ApplyDeltas(m, delta, before)}, d);
        EXPECT_EQ(m.progress[kDex], c.after) << c.before << " " << c.delta;
        EXPECT_EQ(m.statLevel[kDex], c.levels) << c.before << " " << c.delta;
        EXPECT_EQ(m.level, 5 + c.levels);
        EXPECT_EQ(d.Saw(DisplayItem::StatLevel, StatKind::Dex), c.levels == 1);
        EXPECT_EQ(d.Saw(DisplayItem::Level), c.levels == 1);
        EXPECT_TRUE(d.Saw(DisplayItem::StatProgress, StatKind::Dex));  // even for a delta of 0
    }
}

TEST(Carry, NoLevelAboveTwoHundred) {
    // At 200 a stat at 97 fed +5 shows 99 and no level label changes.
    MagState s;
    SetStats(s, 50, 50, 50, 50);
    MagCore m = CoreOf(s);
    RecordingDisplay d;
    constexpr int kDex = static_cast<int>(StatKind::Dex);
    m.progress[kDex] = 97;
    const FeedDelta delta{0, 0, 5, 0, 0, 0};
    const StatArray before = m.progress;
    ReportItemEffect({true, ApplyDeltas(m, delta, before)}, d);
    EXPECT_EQ(m.progress[kDex], 99);
    EXPECT_EQ(m.level, 200);
    EXPECT_FALSE(d.Saw(DisplayItem::Level));
    EXPECT_FALSE(d.Saw(DisplayItem::StatLevel));
}

// Values typed into the parameter window may lie anywhere in 16 bits; ソルアトマイザー
// gives a rare mag IQ +1 and synchro +1, then both are clamped without wrapping.
TEST(Carry, IqAndSynchroClampedAfterEachItem) {
    const struct {
        std::int16_t before, iq, synchro;
    } cases[] = {{32767, 200, 120}, {199, 200, 120}, {-32768, 0, 0}, {-1, 0, 0}, {0, 1, 1}};
    for (const auto& c : cases) {
        MagState s;
        SetStats(s, 40, 0, 0, 0);
        s.MagName = "ピアン";
        s.RareMagFlag = kTrue;
        s.IQ = c.before;
        s.Synchro = c.before;
        FeedOne(s, "ソルアトマイザー");
        EXPECT_EQ(s.IQ, c.iq) << c.before;
        EXPECT_EQ(s.Synchro, c.synchro) << c.before;
    }
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
