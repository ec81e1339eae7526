#include "gui/ProductPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace tessellon {

namespace {

QPainterPath hexagon(const QPointF& centre, qreal radius) {
    QPainterPath path;
    for (int corner = 0; corner < 6; ++corner) {
        const qreal angle = qDegreesToRadians(60.0 * corner + 30.0);
        const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (corner == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

} // namespace

QPixmap productPicture(const QSize& size) {
    QPixmap picture(size);
    picture.fill(QColor(0xF4, 0xF7, 0xFB));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal radius = size.height() / 6.0;
    const qreal columnStep = radius * qSqrt(3.0);
    const QColor tiles[] = {QColor(0x2F, 0x6F, 0xB5), QColor(0x4F, 0x9B, 0xD9),
                            QColor(0xF2, 0x9B, 0x30)};
    int tile = 0;
    for (int row = 0; row < 2; ++row) {
        const qreal y = radius * (1.2 + 1.5 * row);
        for (qreal x = radius + (row % 2) * columnStep / 2; x < size.width() + radius;
             x += columnStep) {
            painter.fillPath(hexagon(QPointF(x, y), radius * 0.92), tiles[tile++ % 3]);
        }
    }
    QFont font(QStringLiteral("Sans Serif"));
    font.setBold(true);
    font.setPixelSize(qMax(8, size.height() / 4));
    painter.setFont(font);
    painter.setPen(QColor(0x1E, 0x3A, 0x5F));
    const QRectF nameBox(0, radius * 3.6, size.width(), size.height() - radius * 3.6);
    painter.drawText(nameBox, Qt::AlignCenter, QStringLiteral("Tessellon"));
    return picture;
}

} // namespace tessellon
