#pragma once
// Opening the parameter window from the main window's menu.
#include <QRect>
#include <vector>

#include "engine/display.h"
#include "engine/mag_state.h"
#include "engine/messages.h"

class QWidget;

namespace toviran {

class frmParameter;

// Opens a fresh window (design-time values every time) 4170 twips below the owner's top
// edge, left edges aligned; where that covers one of `keepClear` (the frames of windows
// left open, the history window's) and the screen has room, just below that window or
// else above the owner. It is application-modal: no other window of the program takes
// input until it closes. Returns at once (handlers keep running from the event loop); the
// window deletes itself when it closes.
frmParameter* OpenParameterWindow(QWidget& owner, MagState& state, Prompter& prompter,
                                  DisplayObserver& display,
                                  const std::vector<QRect>& keepClear = {});

}  // namespace toviran
