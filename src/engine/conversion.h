#pragma once
// Turning a Ver2 mag (a rare mag shown in light red) into the plain Ver1 "マグ": a rule
// of the game, with its undo snapshot, like the other actions on the mag.
#include "display.h"
#include "mag_state.h"
#include "messages.h"

namespace toviran {

// lblMag_Click / mnuVer2_Click. Returns true when the mag was converted.
bool ConvertVer2ToVer1(MagState& s, Prompter& prompter, DisplayObserver& d);

}  // namespace toviran
