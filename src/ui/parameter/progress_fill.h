#pragma once
// How far a progress box's value fills its bar on the parameter window.
#include <string_view>

namespace toviran {

// A box at 0 (or not a number) still shows a 1-twip sliver; any other value fills
// value / 100 of the bar (a level's worth of progress), computed in double precision. Capturing the
// mag draws with the main window's single-precision rule instead (BarFillWidth), which leaves 0
// empty.
double ProgressBoxFillTwips(std::string_view boxText, double backgroundTwips);

}  // namespace toviran
