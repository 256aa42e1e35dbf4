#pragma once
// The program without its windows: one mag, the main window's inputs, and the engine
// calls that the window's buttons and menus make.
#include <array>
#include <ostream>

#include "cli/command.h"
#include "cli/printing_prompter.h"
#include "engine/display.h"
#include "engine/feeding.h"
#include "engine/mag_state.h"

namespace toviran::sim {

class Simulator {
  public:
    // Starts as the main window starts: a new mag, HU, even ID, undo disabled.
    explicit Simulator(std::ostream& out);

    void Execute(const Command& command);
    const MagState& State() const { return state_; }

  private:
    void Do(const SelectClass& command);
    void Do(const SelectParity& command);
    void Do(const FeedByCount& command);
    void Do(const FeedToLevel& command);
    void Do(const PickRareEntry& command);
    void Do(const PressUndo& command);
    void Do(const StartNewMag& command);
    void Do(const SetParameters& command);
    void Do(const Convert& command);
    void Do(const ShowState& command);
    void Do(const ShowHistory& command);
    void Do(const SaveHistory& command);
    void Do(const PlanFeeding& command);
    void Do(const ReachForms& command);
    void Do(const SetEffort& command);

    void Feed(FeedMode mode);

    std::ostream& out_;
    PrintingPrompter prompter_;
    NullDisplay display_;
    MagState state_;
    CharacterClass class_ = CharacterClass::HU;
    SectionIdParity parity_ = SectionIdParity::Even;
    int effort_ = 1;  // the planner's budget, times this
    // The four feed slots as the main window holds them between runs.
    std::array<FeedSlotInput, kFeedSlotCount> slots_;
};

}  // namespace toviran::sim
