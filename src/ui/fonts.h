#pragma once
// The fonts the window designs name are Windows fonts; this is the one place that maps
// them to the fonts installed here (the pop face, IPA Gothic and Liberation Serif).
#include <QFont>
#include <QString>

namespace toviran {

// Installed family standing in for a family named in a window design.
QString SubstituteFamily(const QString& designFamily);

// Font for a design's family name and point size (8.25, 9.75 ... as designed).
QFont DesignFont(const QString& designFamily, double pointSize);

// `font`, made smaller if need be so that `text` fits `width` pixels: the stand-ins are
// not all as narrow as the designed fonts.
QFont FitToWidth(QFont font, const QString& text, int width);

// Font of controls whose design names no font.
QFont DefaultUiFont(double pointSize = 9.0);

}  // namespace toviran
