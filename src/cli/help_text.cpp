#include "cli/help_text.h"

#include <span>
#include <string_view>
#include <vector>

#include "cli/command_parser.h"
#include "engine/feed_tables.h"
#include "engine/rare_evolution.h"
#include "toviran_version.h"
#include "wording/conditions_text.h"

namespace toviran::sim {
namespace {

constexpr std::string_view kIntro =
    "使い方: toviran-sim [--strict] [ファイル]\n"
    "台本（UTF-8、1行に1コマンド）を読んでマグを育て、プログラムが見せるもの\n"
    "（メッセージ、状態、えさ履歴）を1行ずつ標準出力に書きます。\n"
    "ファイルを省くか「-」を渡すと標準入力から読みます。\n"
    "\n"
    "オプション:\n"
    "  --strict                    知らないえさや特殊アイテムの名前を誤りにする\n"
    "                              （ないときは何も与えずに続ける）\n"
    "  -h, --help                  この説明を表示して終わる\n"
    "  --version                   プログラム名と版を表示して終わる\n"
    "\n"
    "コマンド:\n";

constexpr std::string_view kLanguageNotes =
    "空行と「#」で始まる行は読み飛ばします。数は半角数字で書きます。\n"
    "NAME と FORM はマグの57の姿の名前です（マーク３ は マーク3 とも書けます）。\n"
    "\n";

constexpr std::string_view kConditionsHead =
    "plan の DEF POW DEX MIND は目標のレベルでの能力値の条件で、次のどれかです:\n";
constexpr std::string_view kConditionsTail = "4つともちょうどの数なら、その合計が LEVEL です。\n\n";

constexpr std::string_view kOutputAndExit =
    "出力の行:\n"
    "  message ICON [TITLE] TEXT   メッセージボックス（ICON は none、information、\n"
    "                              exclamation、question のどれか。確認はすべて OK）\n"
    "  state name=... undo=0|1     show の答え\n"
    "  history TEXT                history の答え（\\ は \\\\、CR は \\r、LF は \\n）\n"
    "  plan found items=N presses=K bound=B feedtime=S [cut=WHY]\n"
    "                              plan の答え。えさ N 個を「与える」K 回で与える。\n"
    "                              どう与えても B 個より少なくはならない。\n"
    "                              S はえさ時計で何秒かかるか（(N-1)×200）。\n"
    "                              cut= は一番少ないと確かめる前に止めたときで、\n"
    "                              WHY は work（調べる数の上限）、memory（メモリ）、\n"
    "                              time（安全のための時間）\n"
    "  press LINE                  plan found に続く1回分。LINE は台本の行で、feed か\n"
    "                              feedto が「与える」1回、rare が特殊アイテム\n"
    "  plan none REASON            与え方がないか見つからなかった。REASON はその理由\n"
    "  reach FORM level=L items=N bound=B\n"
    "                              reach の1行。FORM になれる一番低いレベル L と、\n"
    "                              そこまでのえさ N 個、どう与えても要る B 個\n"
    "  reach FORM none REASON      FORM にはなれない。REASON はその理由\n"
    "  reach FORM unknown [level=L items=N bound=B] REASON\n"
    "                              上限までに確かめきれなかった。level= があれば、\n"
    "                              L で届くが、それより低いレベルはまだわからない\n"
    "\n"
    "終了コード:\n"
    "  0  台本を最後まで実行した\n"
    "  2  誤った行があった（その行で止まり、理由を標準エラーに出す）、\n"
    "     台本が読めなかった、またはオプションが誤っていた\n"
    "\n"
    "例（長い行は、字下げした続きの行に折り返して示します）:\n"
    "  $ printf 'class HU\\nfeed モノメイト 20 ディメイト 10\\nshow\\n' | toviran-sim\n"
    "  state name=ヴァルナ level=13 iq=49 synchro=76 def=6/50 pow=7/40 dex=0/95\n"
    "    mind=0/0 rare=0 colour=255,255,255 undo=1\n";

// The names, a few to a line, so that the full-width text stays within 80 columns.
std::string NameLines(std::span<const std::string_view> names) {
    constexpr std::size_t kPerLine = 4;
    std::string lines;
    for (std::size_t i = 0; i < names.size(); ++i) {
        lines += "  " + std::string(names[i]);
        if (i % kPerLine == kPerLine - 1 || i + 1 == names.size()) lines += "\n";
    }
    return lines;
}

std::vector<std::string_view> SpecialItemNames() {
    std::vector<std::string_view> names;
    for (const SpecialItemInfo& info : SpecialItemInfos()) names.push_back(info.entry);
    return names;
}

}  // namespace

std::string HelpText() {
    return std::string(kIntro) + CommandSummary() + "\n" + std::string(kLanguageNotes) +
           std::string(kConditionsHead) + "  " + wording::RangeSyntaxText() + "\n" +
           std::string(kConditionsTail) + "えさ（ITEM）:\n" + NameLines(FeedItemNames()) +
           "\n特殊アイテム（ENTRY）:\n" + NameLines(SpecialItemNames()) + "\n" +
           std::string(kOutputAndExit);
}

std::string VersionText() {
    return std::string("toviran-sim ") + kVersion + "\n";
}

}  // namespace toviran::sim
