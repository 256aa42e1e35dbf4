#pragma once
// The catalogue and feed-table windows share one text font, small enough that the
// longest how-to-get line (and two lines of it) fits its frame at 15 twips a pixel.
#include <QFont>

#include "ui/fonts.h"

namespace toviran {

inline QFont DataWindowFont() {
    return DefaultUiFont(8.25);
}

}  // namespace toviran
