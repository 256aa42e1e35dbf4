#include "cli/simulator.h"

#include <variant>

#include "cli/output_format.h"
#include "engine/conversion.h"
#include "engine/mag_forms.h"
#include "engine/parameters.h"
#include "engine/rare_evolution.h"
#include "engine/undo.h"
#include "history/history_file.h"
#include "planner/planner.h"
#include "planner/reach_table.h"
#include "wording/reason_text.h"

namespace toviran::sim {
namespace {

// A number typed for the planner: digits only, so only its size can be off, and the
// planner's own checks refuse what is too large; beyond 32 bits it is read as the largest.
std::int32_t PlanNumber(const std::string& digits) {
    return CountFromText(digits).value_or(INT32_MAX);
}

}  // namespace

Simulator::Simulator(std::ostream& out) : out_(out), prompter_(out) {
    slots_[0].enabled = true;  // slot 1 has no check box of its own
}

void Simulator::Execute(const Command& command) {
    std::visit([this](const auto& c) { Do(c); }, command);
}

void Simulator::Do(const SelectClass& command) {
    class_ = command.value;
}

void Simulator::Do(const SelectParity& command) {
    parity_ = command.value;
}

void Simulator::Feed(FeedMode mode) {
    FeedRequest request;
    request.mode = mode;
    request.feedSlots = slots_;
    request.characterClass = class_;
    request.parity = parity_;
    RunFeeding(state_, request, prompter_, display_);
}

// Pair k fills slot k and checks its box; the chain of check boxes then enables slots
// 1..k and leaves the rest disabled.
void Simulator::Do(const FeedByCount& command) {
    for (std::size_t k = 0; k < slots_.size(); ++k) {
        const bool used = k < command.pairs.size();
        if (used) {
            slots_[k].item = command.pairs[k].item;
            slots_[k].countText = command.pairs[k].countText;
        }
        slots_[k].enabled = k == 0 || used;
    }
    Feed(FeedMode::Count);
}

// Level mode unchecks slot 2's box, which disables slots 2 to 4; slot 1's count box
// holds the target level.
void Simulator::Do(const FeedToLevel& command) {
    slots_[0].item = command.item;
    slots_[0].countText = command.levelText;
    for (std::size_t k = 1; k < slots_.size(); ++k) slots_[k].enabled = false;
    Feed(FeedMode::Level);
}

void Simulator::Do(const PickRareEntry& command) {
    UseSpecialItem(state_, command.entry, parity_, prompter_, display_);
}

void Simulator::Do(const PressUndo&) {
    UndoLastAction(state_, display_);
}

void Simulator::Do(const StartNewMag&) {
    NewMag(state_, display_);
}

// Typing into the parameter window's boxes goes through their text rules first (a
// progress above 99 becomes 99), as it does in the window.
void Simulator::Do(const SetParameters& command) {
    ParameterInput typed = command.typed;
    for (std::string& text : typed.levelText) text = LevelBoxText(text);
    for (std::string& text : typed.progressText) text = ProgressBoxText(text);
    typed.iqText = LevelBoxText(typed.iqText);
    typed.synchroText = LevelBoxText(typed.synchroText);
    ApplyParameters(state_, typed, prompter_, display_);
}

void Simulator::Do(const Convert&) {
    ConvertVer2ToVer1(state_, prompter_, display_);
}

void Simulator::Do(const ShowState&) {
    out_ << StateLine(state_) << '\n';
}

void Simulator::Do(const ShowHistory&) {
    out_ << HistoryLine(state_) << '\n';
}

void Simulator::Do(const SaveHistory& command) {
    SaveHistoryFile(command.path, state_.HistoryText, prompter_);
}

// Plans from the mag as it is, with the class and ID selected now; the mag is not changed.
// A level too large for any number is refused here, quoting it as it was typed.
void Simulator::Do(const PlanFeeding& command) {
    if (!CountFromText(command.levelText)) {
        planner::Reason why;
        why.kind = planner::ReasonKind::LevelAbove200;
        why.typed = command.levelText;
        out_ << "plan none " << EscapeLine(wording::ReasonText(why)) << '\n';
        return;
    }
    planner::PlanRequest request;
    request.start = state_;
    request.characterClass = class_;
    request.parity = parity_;
    request.target.form = command.form == "*" ? planner::kAnyForm : MagFormIndex(command.form);
    request.target.level = PlanNumber(command.levelText);
    request.target.stats = command.stats;
    request.options.effort = effort_;
    for (const std::string& line : PlanLines(planner::FindPlan(request))) out_ << line << '\n';
}

void Simulator::Do(const ReachForms&) {
    planner::ReachRequest request;
    request.start = state_;
    request.characterClass = class_;
    request.parity = parity_;
    request.options.effort = effort_;
    for (int form = 0; form < kMagFormCount; ++form)
        out_ << ReachLine(planner::ReachOf(request, form)) << '\n';
}

void Simulator::Do(const SetEffort& command) {
    effort_ = command.effort;
}

}  // namespace toviran::sim
