// First, second and final evolution, driven through the per-item step.
#include <gtest/gtest.h>

#include "engine/carry.h"
#include "engine/feeding.h"
#include "test_support.h"

namespace toviran {
namespace {

using testing::SetStats;

void FeedOne(MagState& s, const char* item, CharacterClass cls,
             SectionIdParity parity = SectionIdParity::Even) {
    NullDisplay null;
    s.FeedName1 = item;
    パラメータバック記憶(s);
    FeedAndEvolve(s, cls, parity, null);
    その他処理(s, null);
}

// One representative (P, D, M) per ordering, in the row order of the evolution charts.
struct Pdm {
    int p, d, m;
};
constexpr Pdm kOrderings[13] = {
    {2, 1, 0}, {2, 0, 1}, {1, 2, 0}, {0, 2, 1}, {1, 0, 2}, {0, 1, 2}, {1, 1, 0},
    {1, 0, 1}, {0, 1, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 0},
};

TEST(Evolution, FirstEvolutionAtLevel10ByClass) {
    const std::pair<CharacterClass, const char*> cases[] = {{CharacterClass::HU, "ヴァルナ"},
                                                            {CharacterClass::RA, "カルキ"},
                                                            {CharacterClass::FO, "ヴリトラ"}};
    for (auto [cls, name] : cases) {
        MagState s;
        while (s.Level < 10) {
            EXPECT_EQ(s.MagName, "マグ");
            FeedOne(s, "トリメイト", cls);
        }
        EXPECT_EQ(s.MagName, name);
    }
}

TEST(Evolution, MagAlreadyInClassStageEvolvesOnNextItem) {
    MagState s;
    SetStats(s, 20, 0, 0, 0);
    FeedOne(s, "アンティドート", CharacterClass::RA);  // raises no level
    EXPECT_EQ(s.Level, 20);
    EXPECT_EQ(s.MagName, "カルキ");
}

// Rows: orderings; columns: from ヴァルナ, カルキ, ヴリトラ. Empty = keeps its name.
const char* const kSecondChart[13][3] = {
    {"ルドラ", "スーリヤ", "シュムバ"}, {"ルドラ", "スーリヤ", "シュムバ"},
    {"マルト", "ミトラ", "アシヴィン"}, {"マルト", "", "アシヴィン"},
    {"ヴァーユ", "タパス", "ナムチ"},   {"ヴァーユ", "タパス", "ナムチ"},
    {"ルドラ", "ミトラ", "ナムチ"},     {"ルドラ", "ミトラ", "ナムチ"},
    {"ルドラ", "ミトラ", "ナムチ"},     {"ルドラ", "スーリヤ", "シュムバ"},
    {"マルト", "ミトラ", "アシヴィン"}, {"ヴァーユ", "タパス", "ナムチ"},
    {"ルドラ", "ミトラ", "ナムチ"},
};

TEST(Evolution, SecondEvolutionEveryCell) {
    const char* forms[3] = {"ヴァルナ", "カルキ", "ヴリトラ"};
    for (int row = 0; row < 13; ++row) {
        for (int col = 0; col < 3; ++col) {
            const Pdm o = kOrderings[row];
            MagState s;
            // Level 34; table 2's モノメイト lifts DEF (progress 99) and nothing else.
            SetStats(s, 34 - (o.p + o.d + o.m), o.p, o.d, o.m);
            s.MagName = forms[col];
            s.DefProgress = 99;
            // The class selected now does not matter: the line follows the name.
            FeedOne(s, "モノメイト", CharacterClass::FO);
            ASSERT_EQ(s.Level, 35);
            const std::string expected =
                *kSecondChart[row][col] ? kSecondChart[row][col] : forms[col];
            EXPECT_EQ(s.MagName, expected) << "row " << row << " col " << col;
        }
    }
}

TEST(Evolution, NoSecondEvolutionWhenAlreadyPast35) {
    MagState s;
    SetStats(s, 33, 2, 1, 0);
    s.MagName = "ヴァルナ";
    s.DefProgress = 99;
    FeedOne(s, "モノメイト", CharacterClass::HU);  // by name: table 2
    EXPECT_EQ(s.Level, 37);
    EXPECT_EQ(s.MagName, "ヴァルナ");
}

// Rows: orderings; columns: HU even, HU odd, RA even, RA odd, FO even, FO odd, FO DEF>=45.
const char* const kFinalChart[13][7] = {
    {"ヴァラーハ", "カーマ", "カーマ", "マドゥ", "ナラカ", "マーリーチャ", "アンダカ"},
    {"バイラヴァ", "アプサラス", "バイラヴァ", "カイタバ", "ラーヴァナ", "ナーガ", "アンダカ"},
    {"イラー", "ガルダ", "バイラヴァ", "カイタバ", "リヴ", "ガルダ", "バーナ"},
    {"ナンディン", "ヤクシャ", "カーマ", "ヴァラーハ", "シーター", "バイラヴァ", "バーナ"},
    {"カバンダ", "バーナ", "ヴァラーハ", "カバンダ", "ナーガ", "クマーラ", "バーナ"},
    {"ウシャス", "ソーマ", "アプサラス", "ドゥルガー", "カバンダ", "イラー", "バーナ"},
    {"ヴァラーハ", "カーマ", "バイラヴァ", "カイタバ", "ナーガ", "クマーラ", "バーナ"},
    {"バイラヴァ", "アプサラス", "カーマ", "ヴァラーハ", "ナーガ", "クマーラ", "バーナ"},
    {"ヴァラーハ", "カーマ", "カーマ", "ヴァラーハ", "カバンダ", "イラー", "バーナ"},
    {"ヴァラーハ", "カーマ", "カーマ", "マドゥ", "ナラカ", "マーリーチャ", ""},
    {"ナンディン", "ヤクシャ", "カーマ", "ヴァラーハ", "シーター", "バイラヴァ", "バーナ"},
    {"カバンダ", "バーナ", "ヴァラーハ", "カバンダ", "ナーガ", "クマーラ", "バーナ"},
    {"ヴァラーハ", "カーマ", "カーマ", "ヴァラーハ", "ナーガ", "クマーラ", "バーナ"},
};

TEST(Evolution, FinalEvolutionEveryCell) {
    struct Column {
        CharacterClass cls;
        SectionIdParity parity;
        bool highDef;
    };
    const Column columns[7] = {
        {CharacterClass::HU, SectionIdParity::Even, false},
        {CharacterClass::HU, SectionIdParity::Odd, false},
        {CharacterClass::RA, SectionIdParity::Even, false},
        {CharacterClass::RA, SectionIdParity::Odd, false},
        {CharacterClass::FO, SectionIdParity::Even, false},
        {CharacterClass::FO, SectionIdParity::Odd, false},
        {CharacterClass::FO, SectionIdParity::Odd, true},
    };
    for (int row = 0; row < 13; ++row) {
        for (int col = 0; col < 7; ++col) {
            // High DEF keeps P, D, M tiny; otherwise lift them so that DEF stays below 45.
            const int base = columns[col].highDef ? 0 : 5;
            const Pdm o{kOrderings[row].p + base, kOrderings[row].d + base,
                        kOrderings[row].m + base};
            MagState s;
            SetStats(s, 49 - (o.p + o.d + o.m), o.p, o.d, o.m);
            s.MagName = "ナラカ";  // table 7: ソルアトマイザー lifts DEF only
            s.DefProgress = 95;
            FeedOne(s, "ソルアトマイザー", columns[col].cls, columns[col].parity);
            ASSERT_EQ(s.Level, 50);
            ASSERT_EQ(s.DefLevel >= 45, columns[col].highDef);
            const std::string expected = *kFinalChart[row][col] ? kFinalChart[row][col] : "ナラカ";
            EXPECT_EQ(s.MagName, expected) << "row " << row << " col " << col;
        }
    }
}

TEST(Evolution, FinalEvolutionOnlyAtMultiplesOfFive) {
    MagState s;
    SetStats(s, 20, 20, 5, 5);  // P > D = M
    s.MagName = "ルドラ";       // table 4
    s.PowProgress = 95;
    FeedOne(s, "モノメイト", CharacterClass::HU);  // POW +9 -> level 51
    EXPECT_EQ(s.Level, 51);
    EXPECT_EQ(s.MagName, "ルドラ");

    MagState t;
    SetStats(t, 20, 19, 5, 5);
    t.MagName = "ルドラ";
    t.PowProgress = 95;
    FeedOne(t, "モノメイト", CharacterClass::HU);
    EXPECT_EQ(t.Level, 50);
    EXPECT_EQ(t.MagName, "ヴァラーハ");
}

TEST(Evolution, FoDef45KeepsNameAndDef44BecomesNaraka) {
    MagState s;
    SetStats(s, 45, 29, 10, 10);
    s.MagName = "シュムバ";  // table 4
    s.PowProgress = 95;
    FeedOne(s, "モノメイト", CharacterClass::FO);
    EXPECT_EQ(s.Level, 95);
    EXPECT_EQ(s.MagName, "シュムバ");

    MagState t;
    SetStats(t, 44, 30, 10, 10);
    t.MagName = "シュムバ";
    t.PowProgress = 95;
    FeedOne(t, "モノメイト", CharacterClass::FO);
    EXPECT_EQ(t.Level, 95);
    EXPECT_EQ(t.MagName, "ナラカ");
}

TEST(Evolution, RareMagNeverEvolvesAndUnknownNameStillTakesFinal) {
    MagState s;
    SetStats(s, 30, 30, 20, 19);
    s.MagName = "ピアン";
    s.RareMagFlag = kTrue;
    s.MindProgress = 90;
    FeedOne(s, "モノフルイド", CharacterClass::HU);  // table 8: MIND +20
    EXPECT_EQ(s.Level, 100);
    EXPECT_EQ(s.MagName, "ピアン");
    EXPECT_EQ(s.FeedTableNo, 8);

    // A name no table lists is not fed, but the final evolution still looks at the level.
    MagState t;
    SetStats(t, 20, 20, 5, 5);
    t.MagName = "ななし";
    t.FeedTableNo = 4;
    FeedOne(t, "モノメイト", CharacterClass::HU);
    EXPECT_EQ(t.MagName, "ヴァラーハ");
}

}  // namespace
}  // namespace toviran
