#include "engine/carry.h"

namespace toviran {

void CarryStat(MagState& s, StatKind k, DisplayObserver& d) {
    std::int16_t& progress = StatProgress(s, k);
    // A delta that would empty the stat is cancelled: it falls back to the value before
    // the item.
    if (progress <= 0) progress = StatProgressBackup(s, k);
    if (progress >= 100) {
        if (s.Level < kLevelCap) {
            ++StatLevel(s, k);
            d.Changed(DisplayItem::StatLevel, k);
            ++s.Level;
            d.Changed(DisplayItem::Level, k);
            progress = static_cast<std::int16_t>(progress - 100);
            // The stat that reaches the cap loses the rest of its points.
            if (s.Level == kLevelCap) progress = 99;
        } else {
            progress = 99;
        }
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
    if (s.IQ >= kIqMax) s.IQ = kIqMax;
    if (s.Synchro >= kSynchroMax) s.Synchro = kSynchroMax;
    if (s.IQ <= 0) s.IQ = 0;
    if (s.Synchro <= 0) s.Synchro = 0;
    d.Changed(DisplayItem::IQ, StatKind::Def);
    d.Changed(DisplayItem::Synchro, StatKind::Def);
}

void パラメータバック記憶(MagState& s) {
    for (StatKind k : kAllStats) StatProgressBackup(s, k) = StatProgress(s, k);
}

}  // namespace toviran
