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

}  // namespace toviran
