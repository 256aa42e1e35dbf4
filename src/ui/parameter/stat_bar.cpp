#include "ui/parameter/stat_bar.h"

#include <QColor>
#include <QPalette>

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
    fill_->setGeometry(0, 0, TwipsToPixels(static_cast<int>(twips)),
                       TwipsToPixels(sizeTwips_.height()));
}

}  // namespace toviran
