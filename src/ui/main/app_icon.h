#pragma once
// The program's own 32 x 32 window icon, drawn in code: a small mag.
#include <QIcon>

namespace toviran {

QIcon AppIcon();

}  // namespace toviran
