#pragma once
// Escape closes a window as its close box does, for keyboard users. A control that uses
// Escape itself (a list that has dropped down) takes it first.
#include <QWidget>

namespace toviran {

void CloseOnEscape(QWidget& window);

}  // namespace toviran
