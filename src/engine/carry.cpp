#include "engine/carry.h"

#include "engine/mag_core.h"

namespace toviran {

void CarryStat(MagState& s, StatKind k, DisplayObserver& d) {
    if (CarryProgress(StatLevel(s, k), StatProgress(s, k), StatProgressBackup(s, k), s.Level)) {
        d.Changed(DisplayItem::StatLevel, k);
        d.Changed(DisplayItem::Level, k);
    }
    d.Changed(DisplayItem::StatProgress, k);
}

void DEF処理(MagState& s, DisplayObserver& d) {
    CarryStat(s, StatKind::Def, d);
}
void POW処理(MagState& s, DisplayObserver& d) {
    CarryStat(s, StatKind::Pow, d);
}
void DEX処理(MagState& s, DisplayObserver& d) {
    CarryStat(s, StatKind::Dex, d);
}
void MIND処理(MagState& s, DisplayObserver& d) {
    CarryStat(s, StatKind::Mind, d);
}

void その他処理(MagState& s, DisplayObserver& d) {
    ClampIqSynchro(s.IQ, s.Synchro);
    d.Changed(DisplayItem::IQ, StatKind::Def);
    d.Changed(DisplayItem::Synchro, StatKind::Def);
}

void パラメータバック記憶(MagState& s) {
    for (StatKind k : kAllStats) StatProgressBackup(s, k) = StatProgress(s, k);
}

}  // namespace toviran
