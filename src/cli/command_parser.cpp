#include "cli/command_parser.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "cli/script_line.h"
#include "cli/typed_mag_name.h"
#include "engine/feed_tables.h"
#include "engine/feeding.h"
#include "history/utf8.h"
#include "wording/conditions_text.h"

namespace toviran::sim {
namespace {

using Args = std::span<const std::string>;
using ParseFn = ParsedLine (*)(Args);

ParseError Error(std::string reason) {
    return ParseError{std::move(reason)};
}

// An error quotes at most this many bytes of a word, so that a huge line still gives a
// short message.
constexpr std::size_t kQuoteLimit = 80;

std::string Quoted(std::string_view text) {
    if (text.size() <= kQuoteLimit) return "「" + std::string(text) + "」";
    std::size_t cut = kQuoteLimit;
    while ((static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole characters
    return "「" + std::string(text.substr(0, cut)) + "…」（" + std::to_string(text.size()) +
           "バイト）";
}

bool IsAsciiDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// Every number of the language is typed into a digits-only box, so anything else is a
// script error rather than something the program would ever receive.
std::optional<ParseError> CheckDigits(std::string_view what, std::string_view text) {
    if (IsAsciiDigits(text)) return std::nullopt;
    return Error(std::string(what) + " の" + Quoted(text) + "が半角数字ではありません");
}

template <typename Value>
struct NamedValue {
    std::string_view word;
    Value value;
};

constexpr NamedValue<CharacterClass> kClassWords[] = {
    {"HU", CharacterClass::HU},
    {"RA", CharacterClass::RA},
    {"FO", CharacterClass::FO},
};

constexpr NamedValue<SectionIdParity> kParityWords[] = {
    {"even", SectionIdParity::Even},
    {"odd", SectionIdParity::Odd},
};

template <typename Value, std::size_t N>
std::optional<Value> Lookup(const NamedValue<Value> (&table)[N], std::string_view word) {
    const auto it = std::ranges::find(table, word, &NamedValue<Value>::word);
    if (it == std::end(table)) return std::nullopt;
    return it->value;
}

ParsedLine ParseClass(Args args) {
    if (const auto value = Lookup(kClassWords, args[0])) return SelectClass{*value};
    return Error("class は HU、RA、FO のどれかです（" + Quoted(args[0]) + "ではありません）");
}

ParsedLine ParseParity(Args args) {
    if (const auto value = Lookup(kParityWords, args[0])) return SelectParity{*value};
    return Error("id は even か odd です（" + Quoted(args[0]) + "ではありません）");
}

ParsedLine ParseFeed(Args args) {
    if (args.size() % 2 != 0)
        return Error("feed には ITEM COUNT の組が要ります（語の数が奇数です）");
    FeedByCount feed;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (auto error = CheckDigits("COUNT", args[i + 1])) return *error;
        feed.pairs.push_back({args[i], args[i + 1]});
    }
    return feed;
}

ParsedLine ParseFeedTo(Args args) {
    if (auto error = CheckDigits("LEVEL", args[1])) return *error;
    return FeedToLevel{args[0], args[1]};
}

ParsedLine ParseRare(Args args) {
    return PickRareEntry{args[0]};
}
ParsedLine ParseUndo(Args) {
    return PressUndo{};
}
ParsedLine ParseNew(Args) {
    return StartNewMag{};
}
ParsedLine ParseConvert(Args) {
    return Convert{};
}
ParsedLine ParseShow(Args) {
    return ShowState{};
}
ParsedLine ParseHistory(Args) {
    return ShowHistory{};
}
ParsedLine ParseSave(Args args) {
    return SaveHistory{args[0]};
}

// The order of the ten values after the name.
constexpr std::array<std::string_view, 10> kParameterFields{
    "DEF", "POW", "DEX", "MIND", "DEFP", "POWP", "DEXP", "MINDP", "IQ", "SYNCHRO"};

ParsedLine ParseSet(Args args) {
    const std::optional<std::string> name = CatalogueName(args[0]);
    if (!name) return Error(Quoted(args[0]) + "はマグの名前ではありません");
    for (std::size_t i = 0; i < kParameterFields.size(); ++i) {
        if (auto error = CheckDigits(kParameterFields[i], args[i + 1])) return *error;
    }
    ParameterInput typed;
    typed.name = *name;
    for (std::size_t k = 0; k < 4; ++k) {
        typed.levelText[k] = args[1 + k];
        typed.progressText[k] = args[5 + k];
    }
    typed.iqText = args[9];
    typed.synchroText = args[10];
    return SetParameters{std::move(typed)};
}

ParsedLine ParsePlan(Args args) {
    if (args.size() != 2 && args.size() != 6)
        return Error("plan には FORM LEVEL か FORM LEVEL DEF POW DEX MIND を書きます");
    const std::optional<std::string> form =
        args[0] == "*" ? std::optional<std::string>("*") : CatalogueName(args[0]);
    if (!form) return Error(Quoted(args[0]) + "はマグの名前でも * でもありません");
    if (auto error = CheckDigits("LEVEL", args[1])) return *error;
    PlanFeeding plan{*form, args[1]};
    constexpr std::string_view kStats[] = {"DEF", "POW", "DEX", "MIND"};
    for (std::size_t k = 0; k + 2 < args.size(); ++k) {
        const auto range = wording::ReadRange(args[k + 2]);
        if (!range)
            return Error(std::string(kStats[k]) + " の条件" + Quoted(args[k + 2]) +
                         "が読めません（N、N..、..N、N..M、* のどれかです）");
        plan.stats[k] = *range;
    }
    return plan;
}

ParsedLine ParseReach(Args) {
    return ReachForms{};
}

ParsedLine ParseEffort(Args args) {
    if (auto error = CheckDigits("effort", args[0])) return *error;
    const auto effort = CountFromText(args[0]);
    if (!effort || *effort < 1 || *effort > planner::kMostEffort)
        return Error("effort は 1 から " + std::to_string(planner::kMostEffort) + " までです（" +
                     Quoted(args[0]) + "ではありません）");
    return SetEffort{static_cast<int>(*effort)};
}

struct CommandSyntax {
    std::string_view name;
    std::string_view arguments;  // as shown in the usage text
    std::size_t minArgs;
    std::size_t maxArgs;
    ParseFn parse;
    std::string_view help;  // what the command does, for the usage text; "\n" breaks it
};

constexpr CommandSyntax kCommands[] = {
    {"class", "HU|RA|FO", 1, 1, ParseClass, "クラスを選ぶ"},
    {"id", "even|odd", 1, 1, ParseParity, "偶数ID / 奇数ID を選ぶ"},
    {"feed", "ITEM COUNT [ITEM COUNT]...", 2, 8, ParseFeed,
     "個数モード。1～4組（k 組目がスロット k）"},
    {"feedto", "ITEM LEVEL", 2, 2, ParseFeedTo,
     "レベル指定モード。スロット1のえさを目標レベルまで"},
    {"rare", "ENTRY", 1, 1, ParseRare, "レアマグ進化の一覧から特殊アイテム ENTRY を選ぶ"},
    {"undo", "", 0, 0, ParseUndo, "アンドゥ（無効のときは何もしない）"},
    {"new", "", 0, 0, ParseNew, "新規作成"},
    {"set", "NAME DEF POW DEX MIND DEFP POWP DEXP MINDP IQ SYNCHRO", 11, 11, ParseSet,
     "パラメータ設定で値を入れて反映（確認は OK）"},
    {"convert", "", 0, 0, ParseConvert, "Ver2→Ver1 コンバート（確認は OK）"},
    {"show", "", 0, 0, ParseShow, "状態の行 state を出す"},
    {"history", "", 0, 0, ParseHistory, "えさ履歴の行 history を出す"},
    {"save", "PATH", 1, 1, ParseSave, "えさ履歴を CP932 でファイル PATH に保存"},
    {"plan", "FORM LEVEL [DEF POW DEX MIND]", 2, 6, ParsePlan,
     "FORM を LEVEL にする一番少ないえさの与え方を探す\n"
     "（FORM の * は任意の姿。能力値の条件は下に）"},
    {"reach", "", 0, 0, ParseReach,
     "57の姿それぞれに、今のマグからなれる一番低い\nレベルか、なれない理由を1行ずつ出す"},
    {"effort", "N", 1, 1, ParseEffort,
     "この後の plan と reach で調べる数の上限を\nN 倍にする（1～64。はじめは 1）"},
};

std::string Usage(const CommandSyntax& syntax) {
    std::string usage(syntax.name);
    if (!syntax.arguments.empty()) usage += " " + std::string(syntax.arguments);
    return usage;
}

}  // namespace

ParsedLine ParseLine(std::string_view line) {
    if (!IsValidUtf8(line)) return Error("UTF-8 の文字として読めません");
    // The system would read a path only up to a NUL, and save another file than named.
    if (line.find('\0') != std::string_view::npos) return Error("行に NUL バイトがあります");
    const std::vector<std::string> words = SplitWords(line);
    if (words.empty()) return SkipLine{};
    const auto syntax = std::ranges::find(kCommands, words[0], &CommandSyntax::name);
    if (syntax == std::end(kCommands)) return Error("知らないコマンド" + Quoted(words[0]) + "です");
    const Args args = Args(words).subspan(1);
    if (args.size() < syntax->minArgs || args.size() > syntax->maxArgs)
        return Error("語の数が違います（書き方: " + Usage(*syntax) + "）");
    return syntax->parse(args);
}

std::string CommandSummary() {
    // Usages are ASCII, so their length is their width; a longer one gets its own line.
    constexpr std::size_t kColumn = 30;
    std::string summary;
    for (const CommandSyntax& syntax : kCommands) {
        const std::string usage = "  " + Usage(syntax);
        summary += usage;
        summary += usage.size() < kColumn ? std::string(kColumn - usage.size(), ' ')
                                          : "\n" + std::string(kColumn, ' ');
        // Each line of the help starts at the column, so that none runs past 80 columns.
        for (const char c : syntax.help)
            summary += c == '\n' ? "\n" + std::string(kColumn, ' ') : std::string(1, c);
        summary += "\n";
    }
    return summary;
}

}  // namespace toviran::sim
