#include "app/widgets/KxAppIconWidget.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
// Drawn on a 64-unit square: a handheld with a screen showing three records, the first one
// highlighted, as in the scalable icon.
QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0x73));
    p.drawRoundedRect(QRectF(10, 2, 44, 60), 8, 8);
    p.setBrush(QColor(0xe8, 0xf4, 0xf0));
    p.drawRoundedRect(QRectF(15, 8, 34, 36), 3, 3);
    p.setBrush(QColor(0xf2, 0xa5, 0x41));
    p.drawRect(QRectF(18, 13, 28, 7));
    p.setBrush(QColor(0x6f, 0x8f, 0x99));
    p.drawRect(QRectF(18, 24, 28, 5));
    p.drawRect(QRectF(18, 33, 28, 5));
    p.setBrush(QColor(0xe8, 0xf4, 0xf0));
    p.drawEllipse(QRectF(27, 49, 10, 8));
    return pixmap;
}
} // namespace

QIcon kxAppIcon() {
    // Not cached: pixmaps must not outlive the application object.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(drawIcon(size));
    return icon;
}
