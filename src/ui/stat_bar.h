#pragma once
// A stat's progress bar, on the main and the parameter window: a pale background box with a solid
// fill box anchored at its left edge. Widths are kept in twips (fractions included) and shown in
// whole pixels.
#include <QWidget>

#include "engine/types.h"

namespace toviran {

class StatBar final : public QWidget {
  public:
    StatBar(Rgb background, Rgb fill, QSize sizeTwips, QWidget* parent);

    // The fill box, for its object name and tooltip.
    QWidget& Fill() { return *fill_; }
    double WidthTwips() const { return sizeTwips_.width(); }
    double FillTwips() const { return fillTwips_; }
    void SetFillTwips(double twips);

  private:
    QWidget* fill_;
    QSize sizeTwips_;
    double fillTwips_ = 0;
};

// Fill width of a progress bar for a stat's progress: the background width divided by 100
// first, then times the progress, in single precision (a 1000-twip bar grows 10 twips a
// point), as the main window draws it.
float BarFillWidth(float backgroundWidth, int progress);

}  // namespace toviran
