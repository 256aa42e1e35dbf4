#include "app/command_line.h"

#include <QCommandLineParser>
#include <cstdio>
#include <string>

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
    return text + kHelpTail;
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
    Parse(parser, arguments);
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
