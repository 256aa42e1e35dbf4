#include "ui/stat_bar.h"

#include <QColor>
#include <QPalette>
#include <algorithm>

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

StatBar::StatBar(Rgb background, Rgb fill, QSize sizeTwips, QWidget* parent)
    : QWidget(parent), fill_(new QWidget(this)), sizeTwips_(sizeTwips) {
    resize(TwipsSize(sizeTwips.width(), sizeTwips.height()));
    Paint(*this, background);
    Paint(*fill_, fill);
    SetFillTwips(kDesignFillTwips);
}

void StatBar::SetFillTwips(double twips) {
    fillTwips_ = twips;
    const int pixels = std::max(0, TwipsToPixels(static_cast<int>(twips)));
    fill_->setGeometry(0, 0, pixels, TwipsToPixels(sizeTwips_.height()));
    // A fill that rounds to nothing is hidden rather than left as a zero-size box.
    fill_->setVisible(pixels > 0);
}

}  // namespace toviran
