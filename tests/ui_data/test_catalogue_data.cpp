// The catalogue and the support patterns as data, without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "engine/feed_tables.h"
#include "ui/data/catalogue.h"
#include "ui/data/support_patterns.h"

using namespace toviran;

namespace {

int Count(std::string_view text, char c) {
    return static_cast<int>(std::count(text.begin(), text.end(), c));
}

std::string_view HowToGet(std::string_view name) {
    const CatalogEntry* entry = FindCatalogEntry(name);
    return entry ? entry->howToGet : "<missing>";
}

}  // namespace

TEST(Catalogue, ListsTheEngineMagNamesInOrder) {
    const auto names = AllMagNames();
    const auto entries = Catalogue();
    ASSERT_EQ(entries.size(), names.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].listName, names[i]);
        EXPECT_EQ(FindCatalogEntry(names[i]), &entries[i]);
    }
    EXPECT_EQ(FindCatalogEntry("まぐ"), nullptr);
}

TEST(Catalogue, KeepsTheGameTextsByteForByteWithOneCrLfInTwoLineTexts) {
    // Full-width "１" before a half-width "00"; ASCII "%" and an ideographic space; a
    // blank closing the first line; "Lv34" (not 35).
    EXPECT_EQ(HowToGet("チュレル"),
              "偶数IDで「マグ細胞213」を使う\r\n使用条件：マグLv\xEF\xBC\x91"
              "00以上");
    EXPECT_EQ(HowToGet("ピアン"),
              "「ピアンの心」を使う\r\n使用条件：シンクロ110%以上\xE3\x80\x80IQ180以上");
    EXPECT_EQ(HowToGet("バーナ"),
              "Lv50～/奇ハ M＞P≧D/全フ D≧P≧M or M＞D≧P \r\nor D≧M＞P or M≧P＞D(DEF45以上)");
    EXPECT_EQ(HowToGet("ヴァーユ"), "Lv34～49/ハ M＞P≧D or M＞D＞P");
    EXPECT_EQ(FindCatalogEntry("天使のハネ")->englishName, "ANGEL'S WING");

    // A second line always follows a CR LF, never a CR or LF alone, and there are at
    // most two lines.
    for (const CatalogEntry& e : Catalogue()) {
        SCOPED_TRACE(std::string(e.listName));
        const int breaks = Count(e.howToGet, '\n');
        EXPECT_LE(breaks, 1);
        EXPECT_EQ(Count(e.howToGet, '\r'), breaks);
        EXPECT_EQ(e.howToGet.find("\r\n") != std::string_view::npos, breaks == 1);
    }
}

TEST(SupportPatterns, EachSpellsItsLettersAndNmrsGivesRestaWhenIncapacitated) {
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
        if (letter == 'N') return "-";
        if (letter == 'M') return "無敵";
        if (letter == 'S') return "シフデバ";
        return place == 2 ? "リバーサー" : "レスタ";
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
