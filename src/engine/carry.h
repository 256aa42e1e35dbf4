#pragma once
// The MagState side of the carry: the progress kept before each item, and the IQ/synchro
// clamp after it. The carry itself (progress into stat and mag levels, the floor rule, the
// level-200 cap) works on the mag's numbers: CarryProgress in mag_core.h.
#include "display.h"
#include "mag_core.h"
#include "mag_state.h"

namespace toviran {

void その他処理(MagState& s, DisplayObserver& d);
void パラメータバック記憶(MagState& s);

}  // namespace toviran
