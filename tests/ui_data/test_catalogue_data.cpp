// The catalogue, the support patterns and the feed grid as data, without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "engine/feed_tables.h"
#include "ui/data/catalogue.h"
#include "ui/data/feed_grid.h"
#include "ui/data/support_patterns.h"

using namespace toviran;

namespace {

int Count(std::string_view text, std::string_view part) {
    int n = 0;
    for (auto pos = text.find(part); pos != std::string_view::npos;
         pos = text.find(part, pos + part.size()))
        ++n;
    return n;
}

std::string_view EntryText(std::string_view name) {
    const CatalogEntry* entry = FindCatalogEntry(name);
    return entry ? entry->howToGet : std::string_view{};
}

}  // namespace

TEST(Catalogue, ListsTheEngineMagNamesInTheSameOrderWithTheEngineFeedTable) {
    const auto names = AllMagNames();
    const auto entries = Catalogue();
    ASSERT_EQ(entries.size(), names.size());
    ASSERT_EQ(entries.size(), 57u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].listName, names[i]);
        EXPECT_EQ(entries[i].feedTableNo, FeedTableNoForName(entries[i].listName));
        EXPECT_EQ(FindCatalogEntry(names[i]), &entries[i]);
    }
    EXPECT_EQ(FindCatalogEntry("まぐ"), nullptr);
    EXPECT_EQ(FindCatalogEntry(""), nullptr);
}

TEST(Catalogue, KeepsTheGameTextsByteForByte) {
    // Full-width "１" followed by half-width "00".
    EXPECT_EQ(EntryText("チュレル"),
              "偶数IDで「マグ細胞213」を使う\r\n使用条件：マグLv\xEF\xBC\x91"
              "00以上");
    // ASCII "%" and an ideographic space between the two conditions.
    EXPECT_EQ(EntryText("ピアン"),
              "「ピアンの心」を使う\r\n使用条件：シンクロ110%以上\xE3\x80\x80IQ180以上");
    // The first line ends in a blank.
    EXPECT_EQ(EntryText("バーナ"),
              "Lv50～/奇ハ M＞P≧D/全フ D≧P≧M or M＞D≧P \r\nor D≧M＞P or M≧P＞D(DEF45以上)");
    EXPECT_EQ(EntryText("ヴァーユ"), "Lv34～49/ハ M＞P≧D or M＞D＞P");

    const CatalogEntry* wing = FindCatalogEntry("天使のハネ");
    ASSERT_NE(wing, nullptr);
    EXPECT_EQ(wing->englishName, "ANGEL'S WING");
    EXPECT_EQ(wing->photonBlast, "-");
    const CatalogEntry* mark3 = FindCatalogEntry("マーク３");
    ASSERT_NE(mark3, nullptr);
    EXPECT_EQ(mark3->englishName, "SEGA MARK 3");
}

TEST(Catalogue, TwoLineTextsAreJoinedByOneCrLfAndNoOtherLineBreak) {
    const std::set<std::string_view> twoLines = {
        "バイラヴァ",       "カーマ",        "バーナ",           "チュレル",     "プレタ",
        "ソニチ",           "ピトリ",        "オパオパ",         "ピアン",       "チャオ",
        "オモチャオ",       "マーク３",      "マスターシステム", "メガドライブ", "セガサターン",
        "ドリームキャスト", "パンサーテイル"};
    for (const CatalogEntry& e : Catalogue()) {
        SCOPED_TRACE(std::string(e.listName));
        const int expected = twoLines.contains(e.listName) ? 1 : 0;
        EXPECT_EQ(Count(e.howToGet, "\r\n"), expected);
        EXPECT_EQ(Count(e.howToGet, "\r"), expected);
        EXPECT_EQ(Count(e.howToGet, "\n"), expected);
        EXPECT_FALSE(e.englishName.empty());
        EXPECT_FALSE(e.photonBlast.empty());
    }
}

TEST(SupportPatterns, EachPatternSpellsItsLettersAndNmrsGivesRestaWhenIncapacitated) {
    // Decoded here from the letters, independently of the window's table.
    const std::map<std::string, SupportPattern> patterns = {
        {"NNNN", SupportPattern::NNNN}, {"MNNS", SupportPattern::MNNS},
        {"MNNR", SupportPattern::MNNR}, {"MRNS", SupportPattern::MRNS},
        {"MSNN", SupportPattern::MSNN}, {"MRNR", SupportPattern::MRNR},
        {"MRRS", SupportPattern::MRRS}, {"NRRS", SupportPattern::NRRS},
        {"MMRM", SupportPattern::MMRM}, {"MSRS", SupportPattern::MSRS},
        {"RRRR", SupportPattern::RRRR}, {"NSRS", SupportPattern::NSRS},
        {"SSRS", SupportPattern::SSRS}, {"NMRS", SupportPattern::NMRS}};
    const auto decode = [](char letter, int place) -> std::string_view {
        switch (letter) {
            case 'N':
                return "-";
            case 'M':
                return "無敵";
            case 'S':
                return "シフデバ";
            default:
                return place == 2 ? "リバーサー" : "レスタ";
        }
    };
    for (const auto& [letters, pattern] : patterns) {
        SCOPED_TRACE(letters);
        const SupportTexts t = SupportTextsOf(pattern);
        EXPECT_EQ(t.pbGaugeFull, decode(letters[0], 0));
        EXPECT_EQ(t.nearDeath, decode(letters[1], 1));
        EXPECT_EQ(t.death, pattern == SupportPattern::NMRS ? "レスタ" : decode(letters[2], 2));
        EXPECT_EQ(t.boss, decode(letters[3], 3));
    }
}

TEST(Catalogue, UsesEachSupportPatternAsOftenAsTheGameDoes) {
    std::map<SupportPattern, int> uses;
    for (const CatalogEntry& e : Catalogue()) ++uses[e.support];
    const std::map<SupportPattern, int> expected = {
        {SupportPattern::NNNN, 2},  {SupportPattern::MNNS, 3}, {SupportPattern::MNNR, 1},
        {SupportPattern::MRNS, 4},  {SupportPattern::MSNN, 3}, {SupportPattern::MRNR, 3},
        {SupportPattern::MRRS, 15}, {SupportPattern::NRRS, 4}, {SupportPattern::MMRM, 7},
        {SupportPattern::MSRS, 2},  {SupportPattern::RRRR, 5}, {SupportPattern::NSRS, 2},
        {SupportPattern::SSRS, 1},  {SupportPattern::NMRS, 5}};
    EXPECT_EQ(uses, expected);
    EXPECT_EQ(FindCatalogEntry("エルノア")->support, SupportPattern::NMRS);
    EXPECT_EQ(FindCatalogEntry("ヴァルナ")->support, SupportPattern::MNNS);
}

TEST(FeedGrid, ShowsSignedDeltasInIqSynchroDefPowDexMindOrder) {
    EXPECT_EQ(SignedDeltaText(5), "+5");
    EXPECT_EQ(SignedDeltaText(-5), "-5");
    EXPECT_EQ(SignedDeltaText(0), "0");
    EXPECT_EQ(SignedDeltaText(-27), "-27");
    EXPECT_EQ(SignedDeltaText(50), "+50");

    // Rows of table 1 whose six values all differ, so a swapped column shows.
    const FeedGridTexts t1 = FeedGridTextsOf(1);
    const std::array<std::string, 6> mono = {"+3", "+2", "+5", "+40", "+5", "0"};
    const std::array<std::string, 6> sol = {"+1", "+3", "+15", "+30", "+15", "+25"};
    EXPECT_EQ(t1[0], mono);
    EXPECT_EQ(t1[8], sol);
    const FeedGridTexts t8 = FeedGridTextsOf(8);
    EXPECT_EQ(t8[2][5], "-27");
    EXPECT_EQ(t8[10][1], "+3");

    EXPECT_THROW(FeedGridTextsOf(0), std::out_of_range);
    EXPECT_THROW(FeedGridTextsOf(9), std::out_of_range);
}

TEST(FeedGrid, CellNamesAreUniqueAndRowsFollowTheFeedItems) {
    std::set<std::string> names;
    for (const FeedGridRow& r : FeedGridRows())
        for (const FeedGridColumn& c : FeedGridColumns())
            names.insert(std::string(r.prefix) + std::string(c.suffix));
    EXPECT_EQ(names.size(), 66u);
    EXPECT_TRUE(names.contains("mmDEF"));
    EXPECT_TRUE(names.contains("stSyc"));
    // Short captions begin like the item names they stand for.
    const auto items = FeedItemNames();
    for (int i = 0; i < kFeedGridRows; ++i) {
        const std::string_view caption = FeedGridRows()[i].caption;
        EXPECT_EQ(items[i].substr(0, std::min<std::size_t>(6, caption.size())),
                  caption.substr(0, std::min<std::size_t>(6, caption.size())));
    }
}
