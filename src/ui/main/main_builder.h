#pragma once
// Builds the main window's client area and menu bar from the design tables.
#include <QMainWindow>

#include "ui/main/main_controls.h"

namespace toviran {

// Creates every control with its name, place, caption, colours, font, tooltip and start
// state; connects nothing.
MainControls BuildMainControls(QMainWindow& window);

QColor ToQColor(Rgb colour);
void SetTextColour(QWidget& widget, Rgb colour);

}  // namespace toviran
