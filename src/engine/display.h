#pragma once
// The engine never draws: it tells an observer which displayed value changed, and the
// window (or the batch simulator) redraws exactly that.
#include "types.h"

namespace toviran {

enum class DisplayItem {
    Name,          // lblMag caption
    NameColour,    // lblMag text colour
    Level,         // lblLv
    IQ,            // lblIQ
    Synchro,       // lblシンクロ
    StatLevel,     // lblDEF / lblPOW / lblDEX / lblMIND (see the stat argument)
    StatProgress,  // lblDEF2 ... and the fill bar picDEF2 ... (always redrawn together)
    HistoryBox,    // the history window's text box must be set to HistoryText
    UndoButton,    // cmdUndo's enabled state
};

class DisplayObserver {
  public:
    virtual ~DisplayObserver() = default;
    // `stat` is meaningful only for StatLevel and StatProgress.
    virtual void Changed(DisplayItem item, StatKind stat) = 0;
};

class NullDisplay final : public DisplayObserver {
  public:
    void Changed(DisplayItem, StatKind) override {}
};

}  // namespace toviran
