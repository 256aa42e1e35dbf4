#include "ui/main/history_window.h"

#include <QCloseEvent>
#include <algorithm>

#include "ui/close_on_escape.h"
#include "ui/twips.h"

namespace toviran {
namespace {

constexpr int kInnerWidthTwips = 7320;
constexpr int kInnerHeightTwips = 1380;
constexpr int kBoxHeightShortfallTwips = 10;

}  // namespace

int RirekiBoxHeight(int innerHeightPixels) {
    return std::max(0, TwipsToPixels(PixelsToTwips(innerHeightPixels) - kBoxHeightShortfallTwips));
}

frmRireki::frmRireki(std::string_view historyText, HistoryBox& box, QWidget* owner)
    : QWidget(owner, Qt::Tool), box_(box) {
    setObjectName(QStringLiteral("frmRireki"));
    setWindowTitle(QString::fromUtf8(kRirekiCaption));
    CloseOnEscape(*this);
    resize(TwipsSize(kInnerWidthTwips, kInnerHeightTwips));
    box_.LendTo(*this);
    layoutBox();
    setHistoryText(historyText);
}

frmRireki::~frmRireki() {
    box_.GiveBack(*this);
}

void frmRireki::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutBox();
}

void frmRireki::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closedByUser_) closedByUser_();
}

void frmRireki::layoutBox() {
    box_.widget().setGeometry(0, 0, width(), RirekiBoxHeight(height()));
}

}  // namespace toviran
