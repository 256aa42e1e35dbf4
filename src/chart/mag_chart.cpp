// Writes the mag reference chart (マグ進化早見表) as one HTML page. Every value comes from
// the engine itself: the feed tables are read, and the evolution charts and the index of
// how each form is reached are obtained by asking the engine and the planner's
// reachability, so the page cannot drift from what the program does.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "chart/chart_tables.h"
#include "chart/reach_index.h"

namespace toviran::chart {
namespace {

constexpr const char* kManual = "manual/index.html";

void Head(std::ostream& out) {
    out << "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>マグ進化早見表 - TOVIRAN</title>\n<style>\n"
           "body{font-family:'IPAPGothic',sans-serif;margin:1.5em;color:#111}\n"
           "table{border-collapse:collapse;margin:0.5em 0 1.5em}\n"
           "th,td{border:1px solid #888;padding:0.15em 0.5em;text-align:center}\n"
           "th{white-space:nowrap}\n"
           "caption{text-align:left;font-weight:bold;padding:0.3em 0}\n"
           "table.feed td{text-align:right;min-width:3em}\n"
           "div.wide{overflow-x:auto}\n"
           "ul.forms{display:flex;flex-wrap:wrap;gap:0.2em 1em;list-style:none;padding:0}\n"
           "section.form dt{font-weight:bold}\n"
           "section.form dd{margin:0 0 0.4em 1.5em}\n"
           ".no{color:#777}\n"
           ":target{background:#ffffd0}\n"
           "@media (max-width:40em){body{margin:0.5em}th,td{padding:0.1em 0.25em}"
           "table.feed td{min-width:2em}}\n"
           "@media print{body{margin:0;font-size:9pt}table{page-break-inside:avoid}}\n"
           "</style>\n</head>\n<body>\n";
}

void Contents(std::ostream& out) {
    out << "<h1>マグ進化早見表</h1>\n"
           "<p>TOVIRAN のエンジンの表からビルド時に作られたページです。"
           "使い方は <a href=\""
        << kManual
        << "\">使い方マニュアル</a> にあります。</p>\n"
           "<nav id=\"contents\"><h2>目次</h2>\n<ul>\n"
        << "<li><a href=\"#" << kFeedTablesId << "\">えさ表</a></li>\n"
        << "<li><a href=\"#" << kFirstId << "\">Lv10：最初の進化</a></li>\n"
        << "<li><a href=\"#" << kSecondId << "\">Lv35：2回目の進化</a></li>\n"
        << "<li><a href=\"#" << kFinalId << "\">Lv50から5の倍数ごと：最終進化</a></li>\n"
        << "<li><a href=\"#" << kRareId << "\">レアマグ進化</a></li>\n"
        << "<li><a href=\"#" << kReachId << "\">姿ごとのなり方</a>\n";
    FormContents(out);
    out << "</li>\n</ul>\n</nav>\n";
}

std::string Page() {
    std::ostringstream out;
    Head(out);
    Contents(out);
    FeedTables(out);
    FirstAndSecond(out);
    Final(out);
    Rare(out);
    ReachIndex(out);
    out << "<p><a href=\"#contents\">目次へ</a>　<a href=\"" << kManual
        << "\">使い方マニュアルへ</a></p>\n</body>\n</html>\n";
    return out.str();
}

}  // namespace
}  // namespace toviran::chart

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "使い方: toviran-chart 出力ファイル.html\n";
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary);
    file << toviran::chart::Page();
    return file ? 0 : 1;
}
