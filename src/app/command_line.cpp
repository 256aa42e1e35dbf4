#include "app/command_line.h"

#include <QCommandLineParser>
#include <cstdio>
#include <string>
#include <string_view>

#include "toviran_version.h"

namespace toviran {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadArguments = 2;

struct OptionText {
    const char* shortName;
    const char* longName;
    const char* description;
};

constexpr OptionText kHelpOption{"h", "help", "この説明を表示して終わる"};
constexpr OptionText kVersionOption{"v", "version", "プログラム名と版を表示して終わる"};
constexpr OptionText kOptions[] = {kHelpOption, kVersionOption};

constexpr const char* kHelpHead =
    "使い方: toviran [オプション]\n"
    "マグ育成シミュレータ TOVIRAN のウインドウを開きます。\n"
    "\n"
    "オプション:\n";

constexpr const char* kHelpTail =
    "  Qt の標準オプション（-platform、-style など）も使えます。\n"
    "\n"
    "終了コード:\n"
    "  0  ウインドウを閉じて終わった、または説明か版を表示した\n"
    "  1  表示できる画面（ディスプレイ）が見つからなかった\n"
    "  2  オプションが誤っていた\n"
    "\n"
    "画面なしでマグを育てるにはバッチシミュレータ toviran-sim を使います。\n";

// The toolkit's own options (Qt 6's, with its X platform's), which the toolkit takes out of
// the arguments when it starts. Without a display it never starts, so they are known here
// by name: those that take a value (as the next argument, or after "=") and the others.
constexpr std::string_view kToolkitOptionsWithValue =
    " platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowicon"
    " icon qwindowtitle title session style stylesheet display name visual qmljsdebugger ";
constexpr std::string_view kToolkitFlags = " reverse widgetcount nograb dograb sync testability ";

bool Names(std::string_view names, std::string_view name) {
    return !name.empty() && names.find(" " + std::string(name) + " ") != std::string_view::npos;
}

// The option's name without its dashes (Qt takes "-name" and "--name" alike) and without
// a value given after "=".
std::string_view ToolkitOptionName(std::string_view arg) {
    if (!arg.starts_with('-')) return {};
    arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
    return arg.substr(0, arg.find('='));
}

QCommandLineOption OptionOf(const OptionText& text) {
    return QCommandLineOption({QString::fromUtf8(text.shortName), QString::fromUtf8(text.longName)},
                              QString::fromUtf8(text.description));
}

// The parser with the program's options; unknown ones are an error only in the second
// pass, once Qt has taken its own.
bool Parse(QCommandLineParser& parser, const QStringList& arguments) {
    for (const OptionText& text : kOptions) parser.addOption(OptionOf(text));
    return parser.parse(arguments);
}

std::string HelpText() {
    std::string text = kHelpHead;
    for (const OptionText& option : kOptions) {
        std::string names = std::string("  -") + option.shortName + ", --" + option.longName;
        names.resize(18, ' ');
        text += names + option.description + "\n";
    }
    return text + kHelpTail + "\n例:\n  $ toviran --version\n  toviran " + kVersion + "\n";
}

void Print(std::FILE* stream, const std::string& text) {
    std::fputs(text.c_str(), stream);
}

}  // namespace

QStringList ArgumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::string PlatformArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("-platform") ||
            arguments[i] == QStringLiteral("--platform"))
            return arguments[i + 1].toStdString();
    }
    return {};
}

ToolkitArguments::ToolkitArguments(int argc, char** argv, std::string platform)
    : platform_(std::move(platform)), values_(argv, argv + argc) {
    if (!platform_.empty()) values_.insert(values_.begin() + 1, {option_.data(), platform_.data()});
    count_ = static_cast<int>(values_.size());
    values_.push_back(nullptr);  // as argv ends
}

std::optional<int> AnswerInfoOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    // Without the toolkit's options, whose single-dash names would read as bundles of
    // letters: "-platformtheme" holds an "h".
    Parse(parser, WithoutToolkitOptions(arguments));
    if (parser.isSet(QString::fromUtf8(kHelpOption.longName))) {
        Print(stdout, HelpText());
        return kExitOk;
    }
    if (parser.isSet(QString::fromUtf8(kVersionOption.longName))) {
        Print(stdout, std::string("toviran ") + kVersion + "\n");
        return kExitOk;
    }
    return std::nullopt;
}

QStringList WithoutToolkitOptions(const QStringList& arguments) {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const std::string arg = arguments[i].toStdString();
        const std::string_view name = i == 0 ? std::string_view{} : ToolkitOptionName(arg);
        if (Names(kToolkitFlags, name)) continue;
        if (Names(kToolkitOptionsWithValue, name)) {
            if (arg.find('=') == std::string::npos) ++i;  // its value is the next argument
            continue;
        }
        rest << arguments[i];
    }
    return rest;
}

std::optional<int> RejectUnknownArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    const bool parsed = Parse(parser, arguments);
    QStringList unknown;
    for (const QString& name : parser.unknownOptionNames())
        unknown << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    unknown << parser.positionalArguments();
    if (parsed && unknown.isEmpty()) return std::nullopt;
    Print(stderr, "toviran: 知らないオプションか余分な引数です: " +
                      unknown.join(QStringLiteral(" ")).toStdString() +
                      "\n使い方は toviran --help で表示します。\n");
    return kExitBadArguments;
}

}  // namespace toviran
