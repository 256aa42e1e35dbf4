#include "carry.h"

#include "mag_core.h"

namespace toviran {

void その他処理(MagState& s, DisplayObserver& d) {
    ClampIqSynchro(s.IQ, s.Synchro);
    d.Changed(DisplayItem::IQ, StatKind::Def);
    d.Changed(DisplayItem::Synchro, StatKind::Def);
}

void パラメータバック記憶(MagState& s) {
    for (StatKind k : kAllStats) StatProgressBackup(s, k) = StatProgress(s, k);
}

}  // namespace toviran
