// The generated reference chart shows exactly the feed tables that feeding applies, and
// for each form how it is reached as the planner's reachability tells it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "engine/feed_tables.h"
#include "engine/mag_forms.h"
#include "planner/reachability.h"
#include "wording/reach_text.h"

namespace toviran {
namespace {

std::string Chart() {
    std::ifstream in(TOVIRAN_CHART_HTML, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string Section(const std::string& page, int tableNo) {
    const std::string open = "id=\"feed-table-" + std::to_string(tableNo) + "\"";
    const auto begin = page.find(open);
    if (begin == std::string::npos) return {};
    return page.substr(begin, page.find("</table>", begin) - begin);
}

TEST(MagChart, FeedTableCellsEqualTheEngine) {
    const std::string page = Chart();
    ASSERT_FALSE(page.empty());
    const std::regex row("<tr><th>([^<]+)</th>((?:<td>[^<]*</td>){6})</tr>");
    const std::regex cell("<td>([^<]*)</td>");
    for (int no = 1; no <= kFeedTableCount; ++no) {
        const std::string section = Section(page, no);
        ASSERT_FALSE(section.empty()) << no;
        int rows = 0;
        for (std::sregex_iterator r(section.begin(), section.end(), row), end; r != end; ++r) {
            const int item = FeedItemIndex((*r)[1].str());
            ASSERT_EQ(item, rows) << "table " << no;
            const FeedDelta& d = FeedTableByNo(no)[item];
            const int expected[] = {d.def, d.pow, d.dex, d.mind, d.iq, d.synchro};
            const std::string cells = (*r)[2].str();
            int col = 0;
            for (std::sregex_iterator c(cells.begin(), cells.end(), cell); c != end; ++c, ++col)
                EXPECT_EQ(std::stoi((*c)[1].str()), expected[col]) << no << " " << item;
            ++rows;
        }
        EXPECT_EQ(rows, kFeedItemCount) << "table " << no;
    }
}

TEST(MagChart, HoldsTheEvolutionAndRareCharts) {
    const std::string page = Chart();
    for (const char* text :
         {"ヴァルナ", "アンダカ", "（変化なし）", "マグ細胞213", "オモチャオのパーツ", "P＝D＝M"})
        EXPECT_NE(page.find(text), std::string::npos) << text;
}

std::string Unescaped(std::string text) {
    for (const auto& [from, to] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + 1))
            text.replace(at, std::string(from).size(), to);
    }
    return text;
}

// Each character row of each entry says what ReachableForms says for that class and ID.
TEST(MagChart, EveryFormHasAnEntryAgreeingWithTheReachability) {
    const std::string page = Chart();
    const std::pair<const char*, std::pair<CharacterClass, SectionIdParity>> characters[] = {
        {"HU偶数", {CharacterClass::HU, SectionIdParity::Even}},
        {"HU奇数", {CharacterClass::HU, SectionIdParity::Odd}},
        {"RA偶数", {CharacterClass::RA, SectionIdParity::Even}},
        {"RA奇数", {CharacterClass::RA, SectionIdParity::Odd}},
        {"FO偶数", {CharacterClass::FO, SectionIdParity::Even}},
        {"FO奇数", {CharacterClass::FO, SectionIdParity::Odd}}};
    const std::regex row("<dt[^>]*>([^<]*?)(?:　Lv(\\d+)から)?</dt><dd[^>]*>([^<]*)</dd>");
    for (int form = 0; form < kMagFormCount; ++form) {
        const auto begin = page.find("id=\"form-" + std::to_string(form) + "\"");
        ASSERT_NE(begin, std::string::npos) << form;
        const std::string entry = page.substr(begin, page.find("</section>", begin) - begin);
        EXPECT_NE(entry.find(std::string(kMagForms[form].name)), std::string::npos);
        int rows = 0;
        for (const auto& [label, character] : characters) {
            const auto [cls, parity] = character;
            const planner::FormReach reach = planner::ReachableForms(cls, parity)[form];
            for (std::sregex_iterator r(entry.begin(), entry.end(), row), end; r != end; ++r) {
                if ((*r)[1].str().find(label) == std::string::npos) continue;
                ++rows;
                EXPECT_EQ(Unescaped((*r)[3].str()), wording::ReachText(reach, cls, parity))
                    << form << label;
                EXPECT_EQ((*r)[2].matched, reach.reachable) << form << label;
                if (reach.reachable) {
                    EXPECT_EQ(std::stoi((*r)[2].str()), reach.fromLevel);
                }
            }
        }
        EXPECT_EQ(rows, 6) << form;
    }
}

// Every link within the page has its anchor; the page reads on a narrow screen and leads
// back to the manual.
TEST(MagChart, LinksLeadSomewhere) {
    const std::string page = Chart();
    const std::regex link("href=\"#([^\"]+)\"");
    int links = 0;
    for (std::sregex_iterator l(page.begin(), page.end(), link), end; l != end; ++l, ++links)
        EXPECT_NE(page.find("id=\"" + (*l)[1].str() + "\""), std::string::npos) << (*l)[1];
    EXPECT_GT(links, 2 * kMagFormCount);
    EXPECT_NE(page.find("name=\"viewport\""), std::string::npos);
    EXPECT_NE(page.find("href=\"manual/index.html\""), std::string::npos);
}

}  // namespace
}  // namespace toviran
