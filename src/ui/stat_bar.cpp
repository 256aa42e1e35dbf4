#include "ui/stat_bar.h"

#include <QColor>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "engine/mag_core.h"
#include "ui/twips.h"

namespace toviran {
namespace {

// Width of the fill box when the window is designed, before the first redraw.
constexpr double kDesignFillTwips = 15;

void Paint(QWidget& box, Rgb colour) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    box.setPalette(palette);
    box.setAutoFillBackground(true);
}

}  // namespace

float BarFillWidth(float backgroundWidth, int progress) {
    // A full bar is a level's worth of progress.
    return backgroundWidth / static_cast<float>(kProgressPerLevel) * static_cast<float>(progress);
}

StatBar::StatBar(Rgb background, Rgb fill, QSize sizeTwips, QWidget* parent)
    : QWidget(parent), fill_(new QWidget(this)), sizeTwips_(sizeTwips) {
    resize(TwipsSize(sizeTwips.width(), sizeTwips.height()));
    Paint(*this, background);
    Paint(*fill_, fill);
    SetFillTwips(kDesignFillTwips);
}

void StatBar::SetFillTwips(double twips) {
    fillTwips_ = twips;
    // Scaled to the track as it is drawn, so that the fill keeps its share of the bar,
    // and never full below the bar's whole width (99 of 100 must not look like 100).
    const int track = width();
    int pixels = static_cast<int>(std::lround(twips * track / sizeTwips_.width()));
    if (twips < sizeTwips_.width()) pixels = std::min(pixels, track - 1);
    pixels = std::max(0, pixels);
    fill_->setGeometry(0, 0, pixels, TwipsToPixels(sizeTwips_.height()));
    // A fill that rounds to nothing is hidden rather than left as a zero-size box.
    fill_->setVisible(pixels > 0);
}

}  // namespace toviran
