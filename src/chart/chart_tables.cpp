#include "chart/chart_tables.h"

#include <string>

#include "chart/chart_html.h"
#include "engine/feed_tables.h"
#include "engine/feeding.h"
#include "engine/rare_evolution.h"
#include "engine/rare_names.h"

namespace toviran::chart {
namespace {

struct Ordering {
    const char* label;
    int p, d, m;  // a representative of the ordering
};
constexpr Ordering kOrderings[] = {
    {"P＞D＞M", 2, 1, 0}, {"P＞M＞D", 2, 0, 1}, {"D＞P＞M", 1, 2, 0}, {"D＞M＞P", 0, 2, 1},
    {"M＞P＞D", 1, 0, 2}, {"M＞D＞P", 0, 1, 2}, {"P＝D＞M", 1, 1, 0}, {"P＝M＞D", 1, 0, 1},
    {"D＝M＞P", 0, 1, 1}, {"P＞D＝M", 1, 0, 0}, {"D＞P＝M", 0, 1, 0}, {"M＞P＝D", 0, 0, 1},
    {"P＝D＝M", 0, 0, 0},
};

const char* kKeep = "（変化なし）";

std::string Signed(int v) {
    return v > 0 ? "+" + std::to_string(v) : std::to_string(v);
}

MagState WithOrdering(const Ordering& o, int def, const char* name) {
    MagState s;
    s.DefLevel = static_cast<std::int16_t>(def);
    s.PowLevel = static_cast<std::int16_t>(o.p + 5);
    s.DexLevel = static_cast<std::int16_t>(o.d + 5);
    s.MindLevel = static_cast<std::int16_t>(o.m + 5);
    s.MagName = name;
    return s;
}

}  // namespace

void FeedTables(std::ostream& out) {
    out << "<h2 id=\"" << kFeedTablesId
        << "\">えさ表</h2>\n<p>えさ1個で進み具合（100で1レベル）、IQ、シンクロに加わる値です。"
           "Lv9まではどのマグもえさ表 1、Lv10～34は「マグ」ならえさ表 1、それ以外はえさ表 2、"
           "Lv35からは名前のえさ表で育ちます。レアマグはいつもえさ表 8 です。</p>\n";
    for (int no = 1; no <= kFeedTableCount; ++no) {
        std::string mags;
        for (auto name : AllMagNames())
            if (FeedTableNoForName(name) == no) mags += (mags.empty() ? "" : "、") + FormLink(name);
        out << "<div class=\"wide\"><table class=\"feed\" id=\"feed-table-" << no
            << "\">\n<caption>えさ表 " << no << "：" << mags
            << "</caption>\n<tr><th>えさ</th><th>DEF</th><th>POW</th><th>DEX</th><th>MIND</th>"
               "<th>IQ</th><th>シンクロ</th></tr>\n";
        const FeedTable& table = FeedTableByNo(no);
        for (int i = 0; i < kFeedItemCount; ++i) {
            const FeedDelta& d = table[i];
            out << "<tr><th>" << FeedItemNames()[i] << "</th>";
            for (int v : {d.def, d.pow, d.dex, d.mind, d.iq, d.synchro})
                out << "<td>" << Signed(v) << "</td>";
            out << "</tr>\n";
        }
        out << "</table></div>\n";
    }
}

void FirstAndSecond(std::ostream& out) {
    out << "<h2 id=\"" << kFirstId
        << "\">Lv10：最初の進化</h2>\n<table><tr><th>クラス</th><th>マグ →</th></tr>\n";
    const std::pair<const char*, CharacterClass> classes[] = {
        {"HU", CharacterClass::HU}, {"RA", CharacterClass::RA}, {"FO", CharacterClass::FO}};
    for (auto [label, cls] : classes) {
        MagState s;
        FirstEvolution(s, cls);
        out << "<tr><th>" << label << "</th><td>" << FormLink(s.MagName) << "</td></tr>\n";
    }
    out << "</table>\n<h2 id=\"" << kSecondId
        << "\">Lv35：2回目の進化</h2>\n"
           "<p>P・D・M は POW・DEX・MIND "
           "のレベルです。進化の道はクラスではなく今の名前で決まります。</p>\n"
           "<div class=\"wide\"><table><tr><th>並び</th>";
    const char* classForms[] = {"ヴァルナ", "カルキ", "ヴリトラ"};
    for (const char* f : classForms) out << "<th>" << FormLink(f) << " →</th>";
    out << "</tr>\n";
    for (const auto& o : kOrderings) {
        out << "<tr><th>" << o.label << "</th>";
        for (const char* f : classForms) {
            MagState s = WithOrdering(o, 10, f);
            SecondEvolution(s);
            out << "<td>" << (s.MagName == f ? kKeep : FormLink(s.MagName)) << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</table></div>\n";
}

void Final(std::ostream& out) {
    out << "<h2 id=\"" << kFinalId
        << "\">Lv50から5の倍数ごと：最終進化</h2>\n"
           "<p>レベルが50、55、60…と5の倍数になるたびに、その時のクラス・ID・並びで決め直されます。"
           "FO は DEF 45 以上なら ID によらず右端の列です。</p>\n<div "
           "class=\"wide\"><table><tr><th>並び</th>";
    struct Column {
        const char* label;
        CharacterClass cls;
        SectionIdParity parity;
        int def;
    };
    const Column columns[] = {
        {"HU 偶数", CharacterClass::HU, SectionIdParity::Even, 10},
        {"HU 奇数", CharacterClass::HU, SectionIdParity::Odd, 10},
        {"RA 偶数", CharacterClass::RA, SectionIdParity::Even, 10},
        {"RA 奇数", CharacterClass::RA, SectionIdParity::Odd, 10},
        {"FO 偶数 DEF44以下", CharacterClass::FO, SectionIdParity::Even, 10},
        {"FO 奇数 DEF44以下", CharacterClass::FO, SectionIdParity::Odd, 10},
        {"FO DEF45以上", CharacterClass::FO, SectionIdParity::Even, 45},
    };
    for (const auto& c : columns) out << "<th>" << c.label << "</th>";
    out << "</tr>\n";
    const char* before = "（前の名前）";
    for (const auto& o : kOrderings) {
        out << "<tr><th>" << o.label << "</th>";
        for (const auto& c : columns) {
            MagState s = WithOrdering(o, c.def, before);
            最終変形(s, c.cls, c.parity);
            out << "<td>" << (s.MagName == before ? kKeep : FormLink(s.MagName)) << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</table></div>\n";
}

namespace {

std::string ColourName(Rgb c) {
    if (c == kRareGreen) return "緑";
    if (c == kRareYellow) return "黄";
    if (c == kRareLightRed) return "赤";
    return "白";
}

}  // namespace

void Rare(std::ostream& out) {
    out << "<h2 id=\"" << kRareId
        << "\">レアマグ進化</"
           "h2>\n<p>「レアマグ進化」の一覧から選ぶと、条件を満たしていれば進化します。"
           "レアマグになるとレベルでは進化せず、えさ表 8 で育ちます。</p>\n"
           "<div "
           "class=\"wide\"><table><tr><th>アイテム</th><th>偶数ID</th><th>奇数ID</th><th>名前の色</"
           "th><th>条件</"
           "th></tr>\n";
    for (const auto& info : SpecialItemInfos()) {
        out << "<tr><th>" << info.entry << "</th><td>" << FormLink(info.evenName) << "</td><td>"
            << FormLink(info.oddName) << "</td><td>" << ColourName(info.colour) << "</td><td>"
            << info.usage << "</td></tr>\n";
    }
    out << "</table></div>\n";
}

}  // namespace toviran::chart
