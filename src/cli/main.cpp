// toviran-sim: runs a script of user actions against the mag engine and prints what the
// program would show.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/command_parser.h"
#include "cli/help_text.h"
#include "cli/known_names.h"
#include "cli/options.h"
#include "cli/simulator.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitMalformed = 2;

// Editors on some systems start a UTF-8 file with this mark; it is not part of line 1.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

int ReportError(std::string_view reason) {
    std::cout.flush();
    std::cerr << "エラー: " << reason << '\n';
    return kExitMalformed;
}

toviran::sim::ParsedLine ReadLine(std::string_view line, bool strict) {
    auto parsed = toviran::sim::ParseLine(line);
    const auto* command = std::get_if<toviran::sim::Command>(&parsed);
    if (strict && command != nullptr) {
        if (auto reason = toviran::sim::UnknownNameReason(*command))
            return toviran::sim::ParseError{std::move(*reason)};
    }
    return parsed;
}

// Runs every line until the first malformed one, which ends the run.
int RunScript(std::istream& in, bool strict) {
    toviran::sim::Simulator simulator(std::cout);
    std::string line;
    for (long lineNo = 1; std::getline(in, line); ++lineNo) {
        if (lineNo == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
        const auto parsed = ReadLine(line, strict);
        if (const auto* error = std::get_if<toviran::sim::ParseError>(&parsed))
            return ReportError(std::to_string(lineNo) + "行目: " + error->reason);
        if (const auto* command = std::get_if<toviran::sim::Command>(&parsed)) {
            simulator.Execute(*command);
            std::cout.flush();  // someone typing commands sees each answer at once
        }
    }
    if (in.bad()) return ReportError("台本を読んでいる途中で失敗しました");
    return kExitOk;
}

std::string OpenFailure(const std::string& path, int error) {
    const std::string what = "「" + path + "」";
    switch (error) {
        case ENOENT:
            return what + "がありません";
        case EACCES:
            return what + "を読む権限がありません";
        default:
            return what + "を開けません";
    }
}

int RunScriptFile(const std::string& path, bool strict) {
    std::error_code ignored;
    // A folder opens like a file but reads as empty: that would pass for an empty script.
    if (std::filesystem::is_directory(path, ignored))
        return ReportError("「" + path + "」はフォルダです。台本のファイルを指定してください");
    std::ifstream file{path};
    if (!file) return ReportError(OpenFailure(path, errno));
    return RunScript(file, strict);
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto parsed = toviran::sim::ParseOptions(args);
    if (const auto* error = std::get_if<toviran::sim::OptionError>(&parsed)) {
        ReportError(error->reason);
        std::cerr << "使い方は toviran-sim --help で表示します。\n";
        return kExitMalformed;
    }
    const auto& options = std::get<toviran::sim::SimOptions>(parsed);
    if (options.help) {
        std::cout << toviran::sim::HelpText();
        return kExitOk;
    }
    if (options.version) {
        std::cout << toviran::sim::VersionText();
        return kExitOk;
    }
    if (options.script == "-") return RunScript(std::cin, options.strict);
    return RunScriptFile(options.script, options.strict);
}
