#include "ui/main/stat_progress_bar.h"

#include <algorithm>

#include "ui/twips.h"

namespace toviran {
namespace {

void Paint(QWidget& w, Rgb colour) {
    QPalette p = w.palette();
    p.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

}  // namespace

StatProgressBar::StatProgressBar(Rgb background, Rgb fill, int widthTwips, int heightTwips,
                                 int fillStartTwips, QWidget* parent)
    : QWidget(parent),
      fill_(new QWidget(this)),
      widthTwips_(widthTwips),
      heightTwips_(heightTwips),
      fillTwips_(static_cast<float>(fillStartTwips)) {
    Paint(*this, background);
    Paint(*fill_, fill);
    resize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
    setFillTwips(fillTwips_);
}

void StatProgressBar::setFillTwips(float twips) {
    fillTwips_ = twips;
    // A fill that rounds to nothing is hidden rather than given a zero size.
    const int pixels = std::max(0, TwipsToPixels(static_cast<int>(twips)));
    fill_->setGeometry(0, 0, pixels, TwipsToPixels(heightTwips_));
    fill_->setVisible(pixels > 0);
}

}  // namespace toviran
