#include "ui/main/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace toviran {

QIcon AppIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Two wing-like fins behind a round body, the mag's usual silhouette.
    p.setPen(QPen(QColor(0, 0, 64), 1));
    p.setBrush(QColor(192, 192, 255));
    QPainterPath fins;
    fins.moveTo(16, 12);
    fins.cubicTo(6, 2, 1, 10, 3, 22);
    fins.cubicTo(8, 18, 12, 18, 16, 20);
    fins.cubicTo(20, 18, 24, 18, 29, 22);
    fins.cubicTo(31, 10, 26, 2, 16, 12);
    p.drawPath(fins);
    p.setBrush(QColor(255, 128, 255));
    p.drawEllipse(QRectF(9.5, 9.5, 13, 15));
    // The eye.
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QRectF(13, 13, 6, 6));
    p.setBrush(QColor(0, 0, 64));
    p.drawEllipse(QRectF(15, 15, 2.5, 2.5));
    p.end();
    return QIcon(pixmap);
}

}  // namespace toviran
