#include "cli/output_format.h"

#include <array>

#include "plan_script/plan_script.h"
#include "wording/conditions_text.h"
#include "wording/play_time.h"
#include "wording/reason_text.h"

namespace toviran::sim {
namespace {

// Indexed by MessageIcon.
constexpr std::array<std::string_view, 4> kIconWords{"none", "information", "exclamation",
                                                     "question"};

// Indexed by StatKind.
constexpr std::array<std::string_view, 4> kStatLabels{"def", "pow", "dex", "mind"};

// " def=L/P pow=L/P dex=L/P mind=L/P"
std::string StatFields(const MagState& state) {
    std::string fields;
    for (const StatKind stat : kAllStats) {
        fields += " " + std::string(kStatLabels[static_cast<std::size_t>(stat)]) + "=" +
                  std::to_string(StatLevel(state, stat)) + "/" +
                  std::to_string(StatProgress(state, stat));
    }
    return fields;
}

std::string ColourText(Rgb colour) {
    return std::to_string(colour.r) + "," + std::to_string(colour.g) + "," +
           std::to_string(colour.b);
}

// How a search that did not settle stopped, or null.
const char* CutWord(planner::SearchEnd end) {
    switch (end) {
        case planner::SearchEnd::Work:
            return "work";
        case planner::SearchEnd::Memory:
            return "memory";
        case planner::SearchEnd::Time:
            return "time";
        default:
            return nullptr;
    }
}

}  // namespace

std::string EscapeLine(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case '\n':
                escaped += "\\n";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string MessageLine(const Message& message) {
    return "message " + std::string(kIconWords.at(static_cast<std::size_t>(message.icon))) + " [" +
           EscapeLine(message.title) + "] " + EscapeLine(message.text);
}

std::string StateLine(const MagState& state) {
    return "state name=" + state.MagName + " level=" + std::to_string(state.Level) +
           " iq=" + std::to_string(state.IQ) + " synchro=" + std::to_string(state.Synchro) +
           StatFields(state) + " rare=" + (state.RareMagFlag == kTrue ? "1" : "0") +
           " colour=" + ColourText(state.NameColour) + " undo=" + (state.UndoEnabled ? "1" : "0");
}

std::string HistoryLine(const MagState& state) {
    return "history " + EscapeLine(state.HistoryText);
}

std::vector<std::string> PlanLines(const planner::PlanResult& result) {
    if (!result.plan) return {"plan none " + EscapeLine(wording::ReasonText(result.reason))};
    const planner::Plan& plan = *result.plan;
    std::string found = "plan found items=" + std::to_string(plan.items) +
                        " presses=" + std::to_string(plan.presses.size()) +
                        " bound=" + std::to_string(plan.lowerBound) +
                        " feedtime=" + std::to_string(wording::FeedSeconds(plan.items));
    if (const char* cut = CutWord(result.end)) found += std::string(" cut=") + cut;
    std::vector<std::string> lines{found};
    for (const std::string& line : PlanScriptLines(plan)) lines.push_back("press " + line);
    return lines;
}

std::string ReachLine(const planner::ReachRow& row) {
    const std::string head = "reach " + wording::TargetFormText(row.form);
    const std::string found = " level=" + std::to_string(row.level) +
                              " items=" + std::to_string(row.items) +
                              " bound=" + std::to_string(row.bound);
    switch (row.status) {
        case planner::ReachRow::Status::Reachable:
            return head + found;
        case planner::ReachRow::Status::Impossible:
            return head + " none " + EscapeLine(wording::ReachRowReason(row));
        case planner::ReachRow::Status::Unsettled:
            break;
    }
    return head + " unknown" + (row.level > 0 ? found : std::string()) + " " +
           EscapeLine(wording::ReachRowReason(row));
}

}  // namespace toviran::sim
