#include "ui/main/history_window.h"

#include <QCloseEvent>
#include <algorithm>

#include "ui/fonts.h"
#include "ui/safe_paste.h"
#include "ui/twips.h"

namespace toviran {
namespace {

constexpr int kInnerWidthTwips = 7320;
constexpr int kInnerHeightTwips = 1380;
constexpr int kBoxHeightShortfallTwips = 10;
const QColor kBoxBackground(0, 0, 64);
const QColor kBoxText(192, 255, 255);

}  // namespace

int RirekiBoxHeight(int innerHeightPixels) {
    return std::max(0, TwipsToPixels(PixelsToTwips(innerHeightPixels) - kBoxHeightShortfallTwips));
}

frmRireki::frmRireki(std::string_view historyText, HistoryDocument& text, QWidget* owner)
    : QWidget(owner, Qt::Tool), text_(text), txtRireki_(new PasteSafeTextEdit(this)) {
    setObjectName(QStringLiteral("frmRireki"));
    setWindowTitle(QString::fromUtf8(kRirekiCaption));
    resize(TwipsSize(kInnerWidthTwips, kInnerHeightTwips));

    txtRireki_->setObjectName(QStringLiteral("txtRireki"));
    txtRireki_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette p = txtRireki_->palette();
    p.setColor(QPalette::Base, kBoxBackground);
    p.setColor(QPalette::Text, kBoxText);
    txtRireki_->setPalette(p);
    txtRireki_->setFont(DesignFont(QString::fromUtf8("HG創英角ﾎﾟｯﾌﾟ体"), 12));
    layoutBox();
    setHistoryText(historyText);
}

void frmRireki::setHistoryText(std::string_view historyText) {
    text_.Follow(historyText);
    txtRireki_->moveCursor(QTextCursor::Start);
}

// The box takes the document only once it has its size on screen: laying out a long
// history costs time for every width it is laid out at.
void frmRireki::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTextDocument& document = text_.document();
    if (txtRireki_->document() == &document) return;
    if (document.defaultFont() != txtRireki_->font()) document.setDefaultFont(txtRireki_->font());
    txtRireki_->setDocument(&document);
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
    txtRireki_->setGeometry(0, 0, width(), RirekiBoxHeight(height()));
}

}  // namespace toviran
