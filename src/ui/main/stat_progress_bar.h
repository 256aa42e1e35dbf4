#pragma once
// A stat's progress bar on the main window: a pale box with a solid fill box of the same
// height anchored at its left edge. Widths are kept in twips and shown in whole pixels.
#include <QWidget>

#include "engine/types.h"

namespace toviran {

class StatProgressBar final : public QWidget {
  public:
    StatProgressBar(Rgb background, Rgb fill, int widthTwips, int heightTwips, int fillStartTwips,
                    QWidget* parent);

    QWidget* fill() const { return fill_; }
    int widthTwips() const { return widthTwips_; }
    float fillTwips() const { return fillTwips_; }
    void setFillTwips(float twips);

  private:
    QWidget* fill_;
    int widthTwips_;
    int heightTwips_;
    float fillTwips_;
};

}  // namespace toviran
