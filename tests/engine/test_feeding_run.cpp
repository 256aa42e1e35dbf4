// The feeding run: the checks before it, slot switching and level mode. (The history
// entries and the slot forms they record are in the toviran-sim scenario feeding.sim.)
#include <gtest/gtest.h>

#include "test_support.h"

namespace toviran {
namespace {

using testing::CountRun;
using testing::RecordingDisplay;
using testing::RecordingPrompter;

FeedRequest LevelRun(const char* item, const char* target) {
    FeedRequest r;
    r.mode = FeedMode::Level;
    r.feedSlots[0] = {item, target, true};
    return r;
}

TEST(FeedingRun, RefusalsChangeNothing) {
    const struct {
        FeedRequest request;
        FeedOutcome outcome;
        const char* title;  // of the one message, nullptr for a silent end
        const char* text;
    } cases[] = {
        {CountRun({{"モノメイト", "0"}}), FeedOutcome::NothingToFeed, nullptr, nullptr},
        {CountRun({{"モノメイト", "10001"}}), FeedOutcome::Refused, "マグもおなか、こわすよね",
         "えさが多すぎるとおもうんだよ"},
        // A sum beyond 32 bits gets the same answer instead of wrapping.
        {CountRun({{"モノメイト", "2147483647"}, {"ディメイト", "1"}, {"トリメイト", "0"}}),
         FeedOutcome::Refused, "マグもおなか、こわすよね", "えさが多すぎるとおもうんだよ"},
        {LevelRun("モノメイト", "5"), FeedOutcome::Refused, "すでにそのLvに達してますねぇ",
         "Lv設定が変だぜ？"},
        {LevelRun("モノメイト", "201"), FeedOutcome::Refused, "Lv200までだよ", "Lv設定が変だおー"},
    };
    for (const auto& c : cases) {
        MagState s;
        s.UndoEnabled = true;
        s.UndoMagName = "前回";
        RecordingPrompter p;
        RecordingDisplay d;
        EXPECT_EQ(RunFeeding(s, c.request, p, d), c.outcome);
        if (c.text) {
            ASSERT_EQ(p.shown.size(), 1u);
            EXPECT_EQ(p.shown[0], (Message{MessageIcon::Information, c.title, c.text}));
        } else {
            EXPECT_TRUE(p.shown.empty());
        }
        EXPECT_EQ(s.Level, 5);
        EXPECT_EQ(s.PowProgress, 0);
        EXPECT_EQ(s.HistoryText, kHistoryHeading);
        EXPECT_EQ(s.UndoMagName, "前回");  // no snapshot taken
        EXPECT_TRUE(s.UndoEnabled);
        EXPECT_TRUE(d.changes.empty());
    }
}

TEST(FeedingRun, SlotsSwitchAtBoundariesAndSkipEmptySlots) {
    // 3 モノメイト then 2 ディメイト from a new mag: POW 40*3 + 45*2 = 210 progress.
    MagState s;
    RecordingPrompter p;
    RecordingDisplay d;
    RunFeeding(s, CountRun({{"モノメイト", "3"}, {"ディメイト", "2"}}), p, d);
    EXPECT_EQ(s.FeedCount, 5);
    EXPECT_EQ(s.PowLevel, 2);
    EXPECT_EQ(s.PowProgress, 10);
    EXPECT_EQ(s.DefProgress, 35);  // 5*3 + 10*2
    EXPECT_TRUE(s.UndoEnabled);
    EXPECT_TRUE(d.Saw(DisplayItem::UndoButton));
    EXPECT_TRUE(d.Saw(DisplayItem::HistoryBox));

    // A slot with count 0 is skipped; slot 3's item follows slot 1's directly.
    MagState t;
    RunFeeding(t, CountRun({{"モノメイト", "1"}, {"ディメイト", "0"}, {"モノフルイド", "1"}}), p,
               d);
    EXPECT_EQ(t.PowProgress, 40);
    EXPECT_EQ(t.MindProgress, 40);
    EXPECT_EQ(t.DefProgress, 10);

    // A disabled slot is not fed whatever its count says.
    MagState u;
    FeedRequest r = CountRun({{"モノメイト", "1"}, {"ディメイト", "5"}, {"トリメイト", "5"}});
    r.feedSlots[1].enabled = false;
    r.feedSlots[2].enabled = false;
    RunFeeding(u, r, p, d);
    EXPECT_EQ(u.FeedCount, 1);
    EXPECT_EQ(u.PowProgress, 40);
}

TEST(FeedingRun, LevelModeStopsAtTarget) {
    MagState s;
    RecordingPrompter p;
    NullDisplay d;
    RunFeeding(s, LevelRun("トリメイト", "30"), p, d);
    // The same items one run at a time, counted until the level is reached.
    MagState replay;
    int fed = 0;
    for (; replay.Level < 30; ++fed) RunFeeding(replay, CountRun({{"トリメイト", "1"}}), p, d);
    EXPECT_EQ(s.FeedCount, fed);
    EXPECT_EQ(s.Level, replay.Level);

    MagState top;
    RunFeeding(top, LevelRun("スターアトマイザー", "200"), p, d);
    EXPECT_EQ(top.Level, 200);
    EXPECT_LT(top.FeedCount, 10000);
}

}  // namespace
}  // namespace toviran
