#include "undo.h"

#include "rare_names.h"

namespace toviran {
namespace {

void ShowStat(StatKind k, DisplayObserver& d) {
    d.Changed(DisplayItem::StatLevel, k);
    d.Changed(DisplayItem::StatProgress, k);
}

}  // namespace

void MatchRareFlagToName(MagState& s, DisplayObserver& d) {
    s.RareMagFlag = IsRareMagName(s.MagName) ? kTrue : kFalse;
    s.NameColour = NameColourFor(s.MagName);
    d.Changed(DisplayItem::NameColour, StatKind::Def);
}

void アンドゥ記憶(MagState& s) {
    s.UndoMagName = s.MagName;
    s.UndoLevel = s.Level;
    s.UndoIQ = s.IQ;
    s.UndoSynchro = s.Synchro;
    for (StatKind k : kAllStats) {
        UndoStatLevel(s, k) = StatLevel(s, k);
        UndoStatProgress(s, k) = StatProgress(s, k);
    }
}

void UndoLastAction(MagState& s, DisplayObserver& d) {
    if (!s.UndoEnabled) return;
    s.MagName = s.UndoMagName;
    d.Changed(DisplayItem::Name, StatKind::Def);
    s.IQ = s.UndoIQ;
    d.Changed(DisplayItem::IQ, StatKind::Def);
    s.Synchro = s.UndoSynchro;
    d.Changed(DisplayItem::Synchro, StatKind::Def);
    for (StatKind k : kAllStats) {
        StatLevel(s, k) = UndoStatLevel(s, k);
        StatProgress(s, k) = UndoStatProgress(s, k);
        ShowStat(k, d);
    }
    s.Level = s.UndoLevel;
    d.Changed(DisplayItem::Level, StatKind::Def);
    s.HistoryText = s.UndoHistoryText;
    d.Changed(DisplayItem::HistoryBox, StatKind::Def);
    MatchRareFlagToName(s, d);
    s.UndoEnabled = false;
    d.Changed(DisplayItem::UndoButton, StatKind::Def);
}

void NewMag(MagState& s, DisplayObserver& d) {
    アンドゥ記憶(s);
    s.MagName = "マグ";
    d.Changed(DisplayItem::Name, StatKind::Def);
    MatchRareFlagToName(s, d);
    s.IQ = 0;
    d.Changed(DisplayItem::IQ, StatKind::Def);
    s.Synchro = 40;
    d.Changed(DisplayItem::Synchro, StatKind::Def);
    for (StatKind k : kAllStats) {
        StatLevel(s, k) = k == StatKind::Def ? kNewMagLevel : 0;
        StatProgress(s, k) = 0;
        ShowStat(k, d);
    }
    s.Level = static_cast<std::int16_t>(s.PowLevel + s.DefLevel + s.DexLevel + s.MindLevel);
    d.Changed(DisplayItem::Level, StatKind::Def);
    RestartHistoryKeepingUndo(s, d);
}

void RestartHistoryKeepingUndo(MagState& s, DisplayObserver& d) {
    s.UndoHistoryText = s.HistoryText;
    s.HistoryText = kHistoryHeading;
    d.Changed(DisplayItem::HistoryBox, StatKind::Def);
    s.UndoEnabled = true;
    d.Changed(DisplayItem::UndoButton, StatKind::Def);
}

}  // namespace toviran
