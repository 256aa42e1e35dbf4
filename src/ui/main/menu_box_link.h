#pragma once
// A "表示" menu entry with a check mark and the hidden check box that holds the same
// on/off state: choosing the entry sets the box, and any change of the box (from the
// menu or from code, such as a side window's close box) runs the display procedure.
#include <QAction>
#include <QCheckBox>
#include <functional>

namespace toviran {

void LinkMenuToHiddenBox(QAction* entry, QCheckBox* box, QObject* context,
                         std::function<void()> display);

}  // namespace toviran
