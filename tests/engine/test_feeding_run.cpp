// The feeding run: its checks, slot switching, recorded forms and history entries.
#include <gtest/gtest.h>

#include "engine/feeding.h"
#include "engine/undo.h"
#include "test_support.h"

namespace toviran {
namespace {

using testing::RecordingDisplay;
using testing::RecordingPrompter;
using testing::SetStats;

FeedRequest CountRun(std::initializer_list<std::pair<const char*, const char*>> slots) {
    FeedRequest r;
    std::size_t k = 0;
    for (auto [item, count] : slots) {
        r.feedSlots[k] = {item, count, true};
        ++k;
    }
    return r;
}

FeedRequest LevelRun(const char* item, const char* target) {
    FeedRequest r;
    r.mode = FeedMode::Level;
    r.feedSlots[0] = {item, target, true};
    return r;
}

struct RunResult {
    MagState state;
    RecordingPrompter prompter;
    FeedOutcome outcome;
};

TEST(FeedingRun, RefusalsChangeNothing) {
    struct Case {
        FeedRequest request;
        FeedOutcome outcome;
        const char* text;  // expected message, nullptr for a silent end
        const char* title;
    };
    const Case cases[] = {
        {CountRun({{"モノメイト", "0"}}), FeedOutcome::NothingToFeed, nullptr, nullptr},
        {CountRun({{"モノメイト", "10001"}}), FeedOutcome::Refused, "えさが多すぎるとおもうんだよ",
         "マグもおなか、こわすよね"},
        {CountRun({{"モノメイト", "5001"}, {"ディメイト", "5000"}}), FeedOutcome::Refused,
         "えさが多すぎるとおもうんだよ", nullptr},
        // Counts beyond 32 bits, alone or summed, get the same answer instead of wrapping.
        {CountRun({{"モノメイト", "99999999999999999999"}}), FeedOutcome::Refused,
         "えさが多すぎるとおもうんだよ", nullptr},
        {CountRun({{"モノメイト", "2147483647"}, {"ディメイト", "2147483647"}}),
         FeedOutcome::Refused, "えさが多すぎるとおもうんだよ", nullptr},
        {CountRun({{"モノメイト", "2147483647"}, {"ディメイト", "1"}, {"トリメイト", "0"}}),
         FeedOutcome::Refused, "えさが多すぎるとおもうんだよ", nullptr},
        {LevelRun("モノメイト", "5"), FeedOutcome::Refused, "Lv設定が変だぜ？",
         "すでにそのLvに達してますねぇ"},
        {LevelRun("モノメイト", "201"), FeedOutcome::Refused, "Lv設定が変だおー", "Lv200までだよ"},
        {LevelRun("モノメイト", "4294967296"), FeedOutcome::Refused, "Lv設定が変だおー", nullptr},
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
            EXPECT_EQ(p.shown[0].text, c.text);
            EXPECT_EQ(p.shown[0].icon, MessageIcon::Information);
            if (c.title) {
                EXPECT_EQ(p.shown[0].title, c.title);
            }
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

TEST(FeedingRun, TenThousandIsAccepted) {
    MagState s;
    RecordingPrompter p;
    NullDisplay d;
    EXPECT_EQ(RunFeeding(s, CountRun({{"モノメイト", "9999"}, {"ディメイト", "1"}}), p, d),
              FeedOutcome::Fed);
    EXPECT_EQ(s.FeedCount, 10000);
    EXPECT_TRUE(p.shown.empty());
    EXPECT_EQ(s.Level, 200);
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
    EXPECT_GE(s.Level, 30);
    EXPECT_LE(s.Level, 33);
    // Each トリメイト gives 75 progress points on the table-1/2 stages at most; count them.
    MagState replay;
    int fed = 0;
    NullDisplay null;
    while (replay.Level < 30) {
        RunFeeding(replay, CountRun({{"トリメイト", "1"}}), p, null);
        ++fed;
    }
    EXPECT_EQ(s.FeedCount, fed);
    EXPECT_EQ(s.Level, replay.Level);

    MagState top;
    RunFeeding(top, LevelRun("スターアトマイザー", "200"), p, d);
    EXPECT_EQ(top.Level, 200);
    EXPECT_LT(top.FeedCount, 10000);
}

const std::string kEntryHead = "\r\n偶数ＨＵＮＴＥＲ\r\n[アイテム]";

TEST(FeedingRun, HistoryOfThreeSlotCountRun) {
    MagState s;
    RecordingPrompter p;
    NullDisplay d;
    FeedRequest r =
        CountRun({{"トリメイト", "03"}, {"ディメイト", "2"}, {"スターアトマイザー", "3"}});
    r.characterClass = CharacterClass::FO;
    r.parity = SectionIdParity::Odd;
    RunFeeding(s, r, p, d);
    const std::string expected =
        "マグのえさ履歴♪\r\n"
        "\r\n奇数ＦＯＲＣＥ  \r\n[アイテム]トリメイト\r\n[◆数量◆] 03\r\n[マグ形態]マグ\r\n   ↓↓  "
        "\r\n奇数ＦＯＲＣＥ  \r\n[アイテム]ディメイト\r\n[◆数量◆] 2\r\n[マグ形態]マグ\r\n   ↓↓  "
        "\r\n奇数ＦＯＲＣＥ  \r\n[アイテム]スターアトマイザー\r\n[◆数量◆] "
        "3\r\n[マグ形態]ヴリトラ\r\n   ↓↓  ";
    EXPECT_EQ(s.HistoryText, expected);
    EXPECT_EQ(s.UndoHistoryText, kHistoryHeading);
    EXPECT_EQ(s.SlotFormName3, "ヴリトラ");
    EXPECT_EQ(s.FeedName1, "スターアトマイザー");
}

TEST(FeedingRun, HistoryOfLevelRunUsesItemsFed) {
    MagState s;
    RecordingPrompter p;
    NullDisplay d;
    FeedRequest r = LevelRun("トリメイト", "10");
    r.feedSlots[1] = {"ディメイト", "7", false};
    RunFeeding(s, r, p, d);
    const std::string expected = std::string(kHistoryHeading) + kEntryHead +
                                 "トリメイト\r\n[◆数量◆] " + std::to_string(s.FeedCount) +
                                 "\r\n[マグ形態]ヴァルナ\r\n   ↓↓  ";
    EXPECT_EQ(s.HistoryText, expected);
    EXPECT_GE(s.Level, 10);
}

TEST(FeedingRun, SlotFormRecordsEvolutionAtSlotEnd) {
    MagState s;
    SetStats(s, 9, 0, 0, 0);
    s.DefProgress = 90;
    RecordingPrompter p;
    NullDisplay d;
    RunFeeding(s, CountRun({{"トリメイト", "1"}, {"モノメイト", "1"}}), p, d);
    EXPECT_EQ(s.SlotFormName1, "ヴァルナ");
    EXPECT_EQ(s.SlotFormName2, "ヴァルナ");
}

}  // namespace
}  // namespace toviran
