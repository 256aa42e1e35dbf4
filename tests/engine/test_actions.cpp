// Rare evolution, undo, new mag, the parameter apply and the Ver2-to-Ver1 conversion.
#include <gtest/gtest.h>

#include "engine/feeding.h"
#include "engine/parameters.h"
#include "engine/rare_evolution.h"
#include "engine/undo.h"
#include "history/conversion.h"
#include "test_support.h"

namespace toviran {
namespace {

using testing::RecordingDisplay;
using testing::RecordingPrompter;
using testing::SetStats;

FeedRequest Count(const char* item, const char* count) {
    FeedRequest r;
    r.feedSlots[0] = {item, count, true};
    return r;
}

struct RareCase {
    const char* entry;
    int def, pow, dex, mind, iq, synchro;
    SectionIdParity parity;
    const char* result;  // nullptr: refused
};

TEST(RareEvolution, ConditionsAtTheirBounds) {
    const auto even = SectionIdParity::Even;
    const auto odd = SectionIdParity::Odd;
    const RareCase cases[] = {
        {"マグ細胞213", 25, 25, 25, 25, 0, 0, even, "チュレル"},
        {"マグ細胞213", 25, 25, 25, 25, 0, 0, odd, "プレタ"},
        {"マグ細胞213", 25, 25, 25, 24, 0, 0, even, nullptr},
        {"マグ細胞502", 25, 25, 25, 25, 0, 0, odd, "ピトリ"},
        {"マグ細胞502", 25, 25, 25, 25, 0, 0, even, "ソニチ"},
        {"オパオパの心", 25, 25, 25, 25, 0, 0, odd, "オパオパ"},
        {"ピアンの心", 5, 0, 0, 0, 180, 110, even, "ピアン"},
        {"ピアンの心", 5, 0, 0, 0, 179, 110, even, nullptr},
        {"ピアンの心", 5, 0, 0, 0, 180, 109, even, nullptr},
        {"チャオの心", 35, 35, 35, 35, 0, 0, even, "チャオ"},
        {"チャオの心", 35, 35, 34, 35, 0, 0, even, nullptr},
        {"オモチャオのパーツ", 70, 70, 0, 0, 0, 0, even, "オモチャオ"},
        {"オモチャオのパーツ", 70, 69, 69, 69, 0, 0, even, nullptr},
        {"オモチャオのパーツ", 0, 0, 70, 70, 0, 0, even, "オモチャオ"},
    };
    for (const auto& c : cases) {
        MagState s;
        SetStats(s, c.def, c.pow, c.dex, c.mind);
        s.IQ = static_cast<std::int16_t>(c.iq);
        s.Synchro = static_cast<std::int16_t>(c.synchro);
        RecordingPrompter p;
        NullDisplay d;
        const bool evolved = UseSpecialItem(s, c.entry, c.parity, p, d);
        EXPECT_EQ(evolved, c.result != nullptr) << c.entry;
        ASSERT_GE(p.shown.size(), 1u);
        EXPECT_EQ(p.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(p.shown[0].title, kAppTitle);
        if (c.result) {
            EXPECT_EQ(p.shown.size(), 1u);
            EXPECT_EQ(s.MagName, c.result);
            EXPECT_EQ(s.RareMagFlag, kTrue);
        } else {
            ASSERT_EQ(p.shown.size(), 2u);
            EXPECT_EQ(p.shown[1].text, "条件を満たしていないよ");
            EXPECT_EQ(p.shown[1].title, "リトライしよう");
            EXPECT_EQ(s.MagName, "マグ");
            EXPECT_EQ(s.RareMagFlag, kFalse);
        }
    }
}

TEST(RareEvolution, MessageSequence) {
    MagState s;
    RecordingPrompter p;
    RecordingDisplay d;
    UseSpecialItem(s, "マグ細胞213", SectionIdParity::Even, p, d);
    ASSERT_EQ(p.shown.size(), 2u);
    EXPECT_EQ(p.shown[0].text, "「偶数IDチュレル 奇数IDプレタ」　使用条件：マグLv１00以上");
    EXPECT_EQ(p.shown[1].icon, MessageIcon::Exclamation);
    p.shown.clear();
    UseSpecialItem(s, "オパオパの心", SectionIdParity::Even, p, d);
    EXPECT_EQ(p.shown[1].icon, MessageIcon::Information);
    EXPECT_TRUE(d.changes.empty());

    // The text typed into the list box is not a special item: nothing happens.
    p.shown.clear();
    EXPECT_FALSE(UseSpecialItem(s, "レアマグ進化", SectionIdParity::Even, p, d));
    EXPECT_TRUE(p.shown.empty());

    SetStats(s, 40, 30, 20, 10);
    ASSERT_TRUE(UseSpecialItem(s, "マグ細胞502", SectionIdParity::Odd, p, d));
    EXPECT_EQ(s.NameColour, kRareGreen);
    EXPECT_FALSE(s.UndoEnabled);  // a snapshot, but the button stays as it was
    EXPECT_EQ(s.UndoMagName, "マグ");
    p.shown.clear();
    EXPECT_FALSE(UseSpecialItem(s, "チャオの心", SectionIdParity::Odd, p, d));
    ASSERT_EQ(p.shown.size(), 1u);
    EXPECT_EQ(p.shown[0].text, "その進化は無理っす");
    EXPECT_EQ(p.shown[0].title, "もう進化しちゃっているんだよ");
}

TEST(RareEvolution, RareMagIsFedByNameAndKeepsIt) {
    MagState s;
    SetStats(s, 35, 35, 35, 35);
    RecordingPrompter p;
    NullDisplay d;
    ASSERT_TRUE(UseSpecialItem(s, "チャオの心", SectionIdParity::Even, p, d));
    s.Level = 140;  // any level: fed by name alone
    RunFeeding(s, Count("トリメイト", "2000"), p, d);
    EXPECT_EQ(s.MagName, "チャオ");
    EXPECT_EQ(s.FeedTableNo, 8);
}

TEST(Undo, AfterRunRestoresMagAndHistory) {
    MagState s;
    RecordingPrompter p;
    RecordingDisplay d;
    RunFeeding(s, Count("トリメイト", "10"), p, d);
    ASSERT_NE(s.Level, 5);
    UndoLastAction(s, d);
    const MagState fresh;
    EXPECT_EQ(s.MagName, "マグ");
    EXPECT_EQ(s.Level, 5);
    EXPECT_EQ(s.DefLevel, 5);
    for (StatKind k : kAllStats) EXPECT_EQ(StatProgress(s, k), 0);
    EXPECT_EQ(s.IQ, 0);
    EXPECT_EQ(s.Synchro, 40);
    EXPECT_EQ(s.HistoryText, fresh.HistoryText);
    EXPECT_FALSE(s.UndoEnabled);
    // Disabled undo does nothing.
    d.changes.clear();
    UndoLastAction(s, d);
    EXPECT_TRUE(d.changes.empty());
}

TEST(Undo, AfterRareEvolutionKeepsTheRunsHistoryApart) {
    MagState s;
    SetStats(s, 30, 30, 20, 19);
    RecordingPrompter p;
    NullDisplay d;
    RunFeeding(s, Count("スターアトマイザー", "20"), p, d);
    const MagState afterRun = s;
    ASSERT_TRUE(UseSpecialItem(s, "オパオパの心", SectionIdParity::Even, p, d));
    UndoLastAction(s, d);
    EXPECT_EQ(s.MagName, afterRun.MagName);
    EXPECT_EQ(s.Level, afterRun.Level);
    EXPECT_EQ(s.RareMagFlag, kFalse);
    EXPECT_EQ(s.NameColour, kWhite);
    EXPECT_EQ(s.HistoryText, kHistoryHeading);  // the run's entry is gone as well
}

TEST(Undo, RestoredRareNameGetsFlagAndColour) {
    MagState s;
    RecordingPrompter p;
    NullDisplay d;
    s.MagName = "エルノア";
    RunFeeding(s, Count("モノメイト", "1"), p, d);
    UndoLastAction(s, d);
    EXPECT_EQ(s.RareMagFlag, kTrue);
    EXPECT_EQ(s.NameColour, kRareLightRed);
}

TEST(NewMag, ResetsAndCanBeUndone) {
    MagState s;
    RecordingPrompter p;
    NullDisplay d;
    RunFeeding(s, Count("スターアトマイザー", "300"), p, d);
    const MagState before = s;
    s.FeedName2 = "ディメイト";
    NewMag(s, d);
    EXPECT_EQ(s.MagName, "マグ");
    EXPECT_EQ(s.Level, 5);
    EXPECT_EQ(s.DefLevel, 5);
    EXPECT_EQ(s.PowLevel + s.DexLevel + s.MindLevel, 0);
    EXPECT_EQ(s.Synchro, 40);
    EXPECT_EQ(s.HistoryText, kHistoryHeading);
    EXPECT_EQ(s.FeedName2, "ディメイト");
    EXPECT_TRUE(s.UndoEnabled);
    UndoLastAction(s, d);
    EXPECT_EQ(s.Level, before.Level);
    EXPECT_EQ(s.MagName, before.MagName);
    EXPECT_EQ(s.HistoryText, before.HistoryText);
}

ParameterInput Params(const char* name, int def, int pow, int dex, int mind) {
    ParameterInput in;
    in.name = name;
    in.levelText = {std::to_string(def), std::to_string(pow), std::to_string(dex),
                    std::to_string(mind)};
    return in;
}

TEST(Parameters, PlausibilityRefusals) {
    struct Case {
        ParameterInput in;
        const char* title;  // nullptr: accepted
    };
    const Case cases[] = {
        {Params("ヴァルナ", 5, 0, 0, 0), "ちぇけら～"},
        {Params("ルドラ", 9, 0, 0, 0), "ちぇけら～"},
        {Params("ルドラ", 10, 0, 0, 0), "がびょーん"},
        {Params("ヴァーユ", 34, 0, 0, 0), "がびょーん"},
        {Params("ヴァーユ", 35, 0, 0, 0), nullptr},
        {Params("ヴァルナ", 10, 0, 0, 0), nullptr},
        {Params("マグ", 120, 0, 0, 0), nullptr},
        {Params("ピアン", 1, 0, 0, 0), nullptr},
        {Params("マグ", 50, 50, 50, 51), "おかしいねおかしいさ"},
        {Params("マグ", 50, 50, 50, 50), nullptr},
        // Sums that would wrap in 16 bits are still far above 200.
        {Params("マグ", 32767, 32767, 2, 0), "おかしいねおかしいさ"},
    };
    for (const auto& c : cases) {
        MagState s;
        RecordingPrompter p;
        NullDisplay d;
        const bool applied = ApplyParameters(s, c.in, p, d);
        EXPECT_EQ(applied, c.title == nullptr) << c.in.name << c.in.levelText[0];
        ASSERT_FALSE(p.shown.empty());
        if (c.title) {
            EXPECT_EQ(p.shown.back().title, c.title);
            EXPECT_EQ(p.shown.back().text, "おかしなパラメータだYO そんなマグいないYO");
            EXPECT_EQ(p.shown.back().icon, MessageIcon::Exclamation);
            EXPECT_EQ(s.MagName, "マグ");
            EXPECT_EQ(s.Level, 5);
        } else {
            EXPECT_EQ(p.shown.back().text, "パラメータを反映しますか？");
            EXPECT_EQ(p.shown.back().buttons, MessageButtons::OkCancel);
            EXPECT_EQ(s.MagName, c.in.name);
        }
    }
}

TEST(Parameters, ValuesBeyond16BitsAreRefused) {
    for (int field = 0; field < 3; ++field) {
        ParameterInput in = Params("マグ", 5, 0, 0, 0);
        if (field == 0) in.levelText[1] = "32768";
        if (field == 1) in.iqText = "99999999999999999999";
        if (field == 2) in.synchroText = "40000";
        MagState s;
        RecordingPrompter p;
        NullDisplay d;
        EXPECT_FALSE(ApplyParameters(s, in, p, d));
        ASSERT_EQ(p.shown.size(), 1u);
        EXPECT_EQ(p.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(s.UndoEnabled, false);
    }
    // The largest 16-bit IQ is accepted and the next item clamps it.
    ParameterInput in = Params("マグ", 5, 0, 0, 0);
    in.iqText = "32767";
    MagState s;
    RecordingPrompter p;
    NullDisplay d;
    ASSERT_TRUE(ApplyParameters(s, in, p, d));
    RunFeeding(s, Count("モノメイト", "1"), p, d);
    EXPECT_EQ(s.IQ, 200);
}

TEST(Parameters, ApplyCancelAndUndo) {
    MagState s;
    RecordingPrompter p;
    NullDisplay d;
    RunFeeding(s, Count("トリメイト", "50"), p, d);
    const MagState before = s;

    p.answers = {false};
    EXPECT_FALSE(ApplyParameters(s, Params("マグ", 5, 0, 0, 0), p, d));
    EXPECT_EQ(s.Level, before.Level);
    EXPECT_EQ(s.UndoMagName, before.UndoMagName);

    ParameterInput in = Params("ピアン", 40, 30, 20, 10);
    in.progressText = {"150", "", "7", "99"};
    ASSERT_TRUE(ApplyParameters(s, in, p, d));
    EXPECT_EQ(s.Level, 100);
    EXPECT_EQ(s.DefProgress, 99);
    EXPECT_EQ(s.PowProgress, 0);
    EXPECT_EQ(s.RareMagFlag, kTrue);
    EXPECT_EQ(s.NameColour, kRareYellow);
    EXPECT_EQ(s.HistoryText, kHistoryHeading);
    EXPECT_TRUE(s.UndoEnabled);

    UndoLastAction(s, d);
    EXPECT_EQ(s.MagName, before.MagName);
    EXPECT_EQ(s.Level, before.Level);
    EXPECT_EQ(s.HistoryText, before.HistoryText);
    EXPECT_EQ(s.RareMagFlag, kFalse);

    EXPECT_EQ(ProgressBoxText("150"), "99");
    EXPECT_EQ(ProgressBoxText(""), "0");
    EXPECT_EQ(ProgressBoxText("00099"), "00099");
    EXPECT_EQ(ProgressBoxText("123456789012345678901234"), "99");
    EXPECT_EQ(LevelBoxText("a1b2"), "12");
}

TEST(Conversion, OnlyLightRedRareMagsConvert) {
    // Green and yellow rare mags are not Ver2 mags.
    MagState s;
    SetStats(s, 40, 40, 20, 20);
    RecordingPrompter p;
    NullDisplay d;
    ASSERT_TRUE(UseSpecialItem(s, "マグ細胞213", SectionIdParity::Even, p, d));
    p.shown.clear();
    EXPECT_FALSE(ConvertVer2ToVer1(s, p, d));
    ASSERT_EQ(p.shown.size(), 1u);
    EXPECT_EQ(p.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(p.shown[0].text, "Ver2マグの時にここをクリックするとVer1にコンバートできるゾ");
    EXPECT_EQ(s.MagName, "チュレル");

    // A light-red name that is not flagged rare (cannot happen through the windows) is
    // not converted either.
    MagState t;
    t.NameColour = kRareLightRed;
    EXPECT_FALSE(ConvertVer2ToVer1(t, p, d));
}

TEST(Conversion, ConfirmCancelAndUndo) {
    MagState s;
    RecordingPrompter p;
    NullDisplay d;
    ParameterInput in = Params("ハンバーガー", 50, 40, 20, 10);
    in.iqText = "150";
    ASSERT_TRUE(ApplyParameters(s, in, p, d));
    const MagState ver2 = s;

    p.shown.clear();
    p.answers = {false};
    EXPECT_FALSE(ConvertVer2ToVer1(s, p, d));
    EXPECT_EQ(p.shown.back().title, "コンバート");
    EXPECT_EQ(p.shown.back().icon, MessageIcon::Question);
    EXPECT_EQ(s.MagName, "ハンバーガー");
    EXPECT_EQ(s.UndoLevel, ver2.UndoLevel);

    ASSERT_TRUE(ConvertVer2ToVer1(s, p, d));
    EXPECT_EQ(s.MagName, "マグ");
    EXPECT_EQ(s.Level, 120);
    EXPECT_EQ(s.IQ, 150);
    EXPECT_EQ(s.NameColour, kWhite);
    EXPECT_EQ(s.RareMagFlag, kFalse);
    EXPECT_EQ(s.HistoryText, ver2.HistoryText);
    UndoLastAction(s, d);  // still enabled from the parameter apply
    EXPECT_EQ(s.MagName, "ハンバーガー");
    EXPECT_EQ(s.Level, 120);
    EXPECT_EQ(s.NameColour, kRareLightRed);
}

}  // namespace
}  // namespace toviran
