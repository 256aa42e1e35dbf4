// The generated reference chart shows exactly the feed tables that feeding applies.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "engine/feed_tables.h"

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

}  // namespace
}  // namespace toviran
