#pragma once
// One level of undo, and the new-mag command.
#include "display.h"
#include "mag_state.h"

namespace toviran {

void アンドゥ記憶(MagState& s);
// cmdUndo_Click: does nothing while undo is disabled.
void UndoLastAction(MagState& s, DisplayObserver& d);
// mnuNew_Click.
void NewMag(MagState& s, DisplayObserver& d);
// The name decides whether the mag is rare and which colour its name is shown in.
void MatchRareFlagToName(MagState& s, DisplayObserver& d);
// Starts the history afresh with the old one kept for undo, and enables undo: what a new
// mag and applied parameters both do last.
void RestartHistoryKeepingUndo(MagState& s, DisplayObserver& d);

}  // namespace toviran
