#pragma once
// The fonts the window designs name are Windows fonts; this is the one place that maps
// them to the fonts installed here (the pop face and IPA Gothic).
#include <QFont>
#include <QString>

namespace toviran {

// Installed family standing in for a family named in a window design.
QString SubstituteFamily(const QString& designFamily);

// Font for a design's family name and point size (8.25, 9.75 ... as designed).
QFont DesignFont(const QString& designFamily, double pointSize);

// Font of controls whose design names no font.
QFont DefaultUiFont(double pointSize = 9.0);

}  // namespace toviran
