#pragma once
// Turning progress into stat and mag levels, the floor rule, the level-200 cap and the
// IQ/synchro clamp.
#include "engine/display.h"
#include "engine/mag_core.h"
#include "engine/mag_state.h"

namespace toviran {

void CarryStat(MagState& s, StatKind k, DisplayObserver& d);
void DEF処理(MagState& s, DisplayObserver& d);
void POW処理(MagState& s, DisplayObserver& d);
void DEX処理(MagState& s, DisplayObserver& d);
void MIND処理(MagState& s, DisplayObserver& d);
void その他処理(MagState& s, DisplayObserver& d);
void パラメータバック記憶(MagState& s);

}  // namespace toviran
