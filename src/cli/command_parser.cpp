#include "cli/command_parser.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "cli/script_line.h"
#include "engine/feed_tables.h"
#include "history/utf8.h"

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
    if (text.size() <= kQuoteLimit) return "\"" + std::string(text) + "\"";
    std::size_t cut = kQuoteLimit;
    while ((static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole characters
    return "\"" + std::string(text.substr(0, cut)) + "...\" (" + std::to_string(text.size()) +
           " bytes)";
}

bool IsAsciiDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// Every number of the language is typed into a digits-only box, so anything else is a
// script error rather than something the program would ever receive.
std::optional<ParseError> CheckDigits(std::string_view what, std::string_view text) {
    if (IsAsciiDigits(text)) return std::nullopt;
    return Error(std::string(what) + " " + Quoted(text) + " is not ASCII digits");
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
    return Error("class must be HU, RA or FO, not " + Quoted(args[0]));
}

ParsedLine ParseParity(Args args) {
    if (const auto value = Lookup(kParityWords, args[0])) return SelectParity{*value};
    return Error("id must be even or odd, not " + Quoted(args[0]));
}

ParsedLine ParseFeed(Args args) {
    if (args.size() % 2 != 0)
        return Error("feed needs ITEM COUNT pairs, got an odd number of words");
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
    if (!IsMagName(args[0])) return Error(Quoted(args[0]) + " is not a mag name");
    for (std::size_t i = 0; i < kParameterFields.size(); ++i) {
        if (auto error = CheckDigits(kParameterFields[i], args[i + 1])) return *error;
    }
    ParameterInput typed;
    typed.name = args[0];
    for (std::size_t k = 0; k < 4; ++k) {
        typed.levelText[k] = args[1 + k];
        typed.progressText[k] = args[5 + k];
    }
    typed.iqText = args[9];
    typed.synchroText = args[10];
    return SetParameters{std::move(typed)};
}

struct CommandSyntax {
    std::string_view name;
    std::string_view arguments;  // as shown in the usage text
    std::size_t minArgs;
    std::size_t maxArgs;
    ParseFn parse;
};

constexpr CommandSyntax kCommands[] = {
    {"class", "HU|RA|FO", 1, 1, ParseClass},
    {"id", "even|odd", 1, 1, ParseParity},
    {"feed", "ITEM COUNT [ITEM COUNT]... (1 to 4 pairs)", 2, 8, ParseFeed},
    {"feedto", "ITEM LEVEL", 2, 2, ParseFeedTo},
    {"rare", "ENTRY", 1, 1, ParseRare},
    {"undo", "", 0, 0, ParseUndo},
    {"new", "", 0, 0, ParseNew},
    {"set", "NAME DEF POW DEX MIND DEFP POWP DEXP MINDP IQ SYNCHRO", 11, 11, ParseSet},
    {"convert", "", 0, 0, ParseConvert},
    {"show", "", 0, 0, ParseShow},
    {"history", "", 0, 0, ParseHistory},
    {"save", "PATH", 1, 1, ParseSave},
};

std::string Usage(const CommandSyntax& syntax) {
    std::string usage(syntax.name);
    if (!syntax.arguments.empty()) usage += " " + std::string(syntax.arguments);
    return usage;
}

}  // namespace

ParsedLine ParseLine(std::string_view line) {
    if (!IsValidUtf8(line)) return Error("not valid UTF-8");
    // The system would read a path only up to a NUL, and save another file than named.
    if (line.find('\0') != std::string_view::npos) return Error("NUL byte in the line");
    const std::vector<std::string> words = SplitWords(line);
    if (words.empty()) return SkipLine{};
    const auto syntax = std::ranges::find(kCommands, words[0], &CommandSyntax::name);
    if (syntax == std::end(kCommands)) return Error("unknown command " + Quoted(words[0]));
    const Args args = Args(words).subspan(1);
    if (args.size() < syntax->minArgs || args.size() > syntax->maxArgs)
        return Error("wrong number of words, expected \"" + Usage(*syntax) + "\"");
    return syntax->parse(args);
}

std::string CommandSummary() {
    std::string summary;
    for (const CommandSyntax& syntax : kCommands) summary += "  " + Usage(syntax) + "\n";
    return summary;
}

}  // namespace toviran::sim
