// Writes the mag reference chart (マグ進化早見表) as one HTML page. Every value comes from
// the engine itself: the feed tables are read, and the evolution charts are obtained by
// asking the engine what each combination of stat ordering, class and parity becomes, so
// the page cannot drift from what the program does.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "engine/feed_tables.h"
#include "engine/feeding.h"
#include "engine/rare_evolution.h"
#include "engine/rare_names.h"

namespace toviran {
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

void FeedTables(std::ostream& out) {
    out << "<h2>えさ表</h2>\n<p>えさ1個で進み具合（100で1レベル）、IQ、シンクロに加わる値です。"
           "Lv9まではどのマグもえさ表 1、Lv10～34は「マグ」ならえさ表 1、それ以外はえさ表 2、"
           "Lv35からは名前のえさ表で育ちます。レアマグはいつもえさ表 8 です。</p>\n";
    for (int no = 1; no <= kFeedTableCount; ++no) {
        std::string mags;
        for (auto name : AllMagNames())
            if (FeedTableNoForName(name) == no)
                mags += (mags.empty() ? "" : "、") + std::string(name);
        out << "<table class=\"feed\" id=\"feed-table-" << no << "\">\n<caption>えさ表 " << no
            << "：" << mags
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
        out << "</table>\n";
    }
}

void FirstAndSecond(std::ostream& out) {
    out << "<h2>Lv10：最初の進化</h2>\n<table><tr><th>職業</th><th>マグ →</th></tr>\n";
    const std::pair<const char*, CharacterClass> classes[] = {
        {"HU", CharacterClass::HU}, {"RA", CharacterClass::RA}, {"FO", CharacterClass::FO}};
    for (auto [label, cls] : classes) {
        MagState s;
        FirstEvolution(s, cls);
        out << "<tr><th>" << label << "</th><td>" << s.MagName << "</td></tr>\n";
    }
    out << "</table>\n<h2>Lv35：2回目の進化</h2>\n"
           "<p>P・D・M は POW・DEX・MIND "
           "のレベルです。進化の道は職業ではなく今の名前で決まります。</p>\n"
           "<table><tr><th>並び</th>";
    const char* classForms[] = {"ヴァルナ", "カルキ", "ヴリトラ"};
    for (const char* f : classForms) out << "<th>" << f << " →</th>";
    out << "</tr>\n";
    for (const auto& o : kOrderings) {
        out << "<tr><th>" << o.label << "</th>";
        for (const char* f : classForms) {
            MagState s = WithOrdering(o, 10, f);
            SecondEvolution(s);
            out << "<td>" << (s.MagName == f ? kKeep : s.MagName) << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</table>\n";
}

void Final(std::ostream& out) {
    out << "<h2>Lv50から5の倍数ごと：最終進化</h2>\n"
           "<p>レベルが50、55、60…と5の倍数になるたびに、その時の職業・ID・並びで決め直されます。"
           "FO は DEF 45 以上なら ID によらず右端の列です。</p>\n<table><tr><th>並び</th>";
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
            out << "<td>" << (s.MagName == before ? kKeep : s.MagName) << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</table>\n";
}

std::string ColourName(Rgb c) {
    if (c == kRareGreen) return "緑";
    if (c == kRareYellow) return "黄";
    if (c == kRareLightRed) return "赤";
    return "白";
}

void Rare(std::ostream& out) {
    out << "<h2>レアマグ進化</"
           "h2>\n<p>「レアマグ進化」の一覧から選ぶと、条件を満たしていれば進化します。"
           "レアマグになるとレベルでは進化せず、えさ表 8 で育ちます。</p>\n"
           "<table><tr><th>アイテム</th><th>偶数ID</th><th>奇数ID</th><th>名前の色</th><th>条件</"
           "th></tr>\n";
    for (const auto& info : SpecialItemInfos()) {
        out << "<tr><th>" << info.entry << "</th><td>" << info.evenName << "</td><td>"
            << info.oddName << "</td><td>" << ColourName(info.colour) << "</td><td>" << info.usage
            << "</td></tr>\n";
    }
    out << "</table>\n";
}

std::string Page() {
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>マグ進化早見表 - TOVIRAN</title>\n<style>\n"
           "body{font-family:'IPAPGothic',sans-serif;margin:1.5em;color:#111}\n"
           "table{border-collapse:collapse;margin:0.5em 0 1.5em}\n"
           "th,td{border:1px solid #888;padding:0.15em 0.5em;text-align:center}\n"
           "caption{text-align:left;font-weight:bold;padding:0.3em 0}\n"
           "table.feed td{text-align:right;min-width:3em}\n"
           "@media print{body{margin:0;font-size:9pt}table{page-break-inside:avoid}}\n"
           "</style>\n</head>\n<body>\n<h1>マグ進化早見表</h1>\n"
           "<p>TOVIRAN のエンジンの表からビルド時に作られたページです。</p>\n";
    FeedTables(out);
    FirstAndSecond(out);
    Final(out);
    Rare(out);
    out << "</body>\n</html>\n";
    return out.str();
}

}  // namespace
}  // namespace toviran

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "使い方: toviran-chart 出力ファイル.html\n";
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary);
    file << toviran::Page();
    return file ? 0 : 1;
}
