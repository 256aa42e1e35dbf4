#include "chart/reach_index.h"

#include <array>
#include <string>
#include <vector>

#include "chart/chart_html.h"
#include "chart/chart_tables.h"
#include "engine/feed_tables.h"
#include "engine/mag_core.h"
#include "planner/reachability.h"
#include "wording/reach_text.h"

namespace toviran::chart {
namespace {

struct Character {
    const char* label;
    CharacterClass cls;
    SectionIdParity parity;
};
constexpr std::array<Character, 6> kCharacters{{
    {"HU偶数", CharacterClass::HU, SectionIdParity::Even},
    {"HU奇数", CharacterClass::HU, SectionIdParity::Odd},
    {"RA偶数", CharacterClass::RA, SectionIdParity::Even},
    {"RA奇数", CharacterClass::RA, SectionIdParity::Odd},
    {"FO偶数", CharacterClass::FO, SectionIdParity::Even},
    {"FO奇数", CharacterClass::FO, SectionIdParity::Odd},
}};

using Reach = std::array<planner::FormReach, kCharacters.size()>;

// Characters whose way to the form reads the same share one row.
struct Row {
    std::string characters;
    const planner::FormReach* reach;
    std::string how;
};

std::vector<Row> Rows(const Reach& reach) {
    std::vector<Row> rows;
    for (std::size_t i = 0; i < reach.size(); ++i) {
        const planner::FormReach& r = reach[i];
        const std::string how = wording::ReachText(r, kCharacters[i].cls, kCharacters[i].parity);
        auto same = std::find_if(rows.begin(), rows.end(), [&](const Row& row) {
            return row.reach->reachable == r.reachable && row.how == how &&
                   row.reach->fromLevel == r.fromLevel;
        });
        if (same == rows.end()) {
            rows.push_back({kCharacters[i].label, &r, how});
        } else {
            same->characters += std::string("・") + kCharacters[i].label;
        }
    }
    return rows;
}

// The table that gives the form: the special items, or the evolution at its level.
const char* TableLeadingTo(const Reach& reach) {
    for (const planner::FormReach& r : reach) {
        if (!r.reachable) continue;
        if (r.specialItem >= 0) return kRareId;
        if (r.fromLevel == kFirstEvolutionLevel) return kFirstId;
        if (r.fromLevel == kSecondEvolutionLevel) return kSecondId;
        if (r.fromLevel >= kFinalEvolutionLevel) return kFinalId;
    }
    for (const planner::FormReach& r : reach)
        if (r.specialItem >= 0) return kRareId;
    return nullptr;
}

const char* TableName(const char* id) {
    const std::string_view v = id;
    if (v == kRareId) return "レアマグ進化の表";
    if (v == kFirstId) return "Lv10の進化の表";
    if (v == kSecondId) return "Lv35の進化の表";
    return "最終進化の表";
}

void Entry(std::ostream& out, int form, const Reach& reach) {
    const int tableNo = FeedTableNoForForm(form);
    out << "<section class=\"form\" id=\"" << FormAnchor(form) << "\">\n<h3>"
        << Escape(kMagForms[form].name) << "</h3>\n<p>名前のえさ表：<a href=\"#feed-table-"
        << tableNo << "\">えさ表 " << tableNo << "</a>";
    if (const char* table = TableLeadingTo(reach))
        out << "　なり方の表：<a href=\"#" << table << "\">" << TableName(table) << "</a>";
    out << "</p>\n<dl>\n";
    for (const Row& row : Rows(reach)) {
        const planner::FormReach& r = *row.reach;
        const char* kind = r.reachable ? "" : " class=\"no\"";
        out << "<dt" << kind << ">" << row.characters;
        if (r.reachable) out << "　Lv" << r.fromLevel << "から";
        out << "</dt><dd" << kind << ">" << Escape(row.how) << "</dd>\n";
    }
    out << "</dl>\n</section>\n";
}

}  // namespace

void FormContents(std::ostream& out) {
    out << "<ul class=\"forms\">";
    for (const MagForm& form : kMagForms) out << "<li>" << FormLink(form.name) << "</li>";
    out << "</ul>\n";
}

void ReachIndex(std::ostream& out) {
    std::array<std::vector<planner::FormReach>, kCharacters.size()> all;
    for (std::size_t i = 0; i < kCharacters.size(); ++i)
        all[i] = planner::ReachableForms(kCharacters[i].cls, kCharacters[i].parity);
    out << "<h2 id=\"" << kReachId << "\">姿ごとのなり方</h2>\n"
        << "<p>クラスとIDごとに、新しいマグからその姿になる道と、表の上でなれる一番低いレベルです。"
           "えさの与え方によっては、もっと上のレベルでないとなれないこともあります"
           "（TOVIRAN の「えさプランナー」が確かめます）。</p>\n";
    for (int form = 0; form < kMagFormCount; ++form) {
        Reach reach;
        for (std::size_t i = 0; i < kCharacters.size(); ++i)
            reach[i] = all[i][static_cast<std::size_t>(form)];
        Entry(out, form, reach);
    }
}

}  // namespace toviran::chart
