#include "gui/SortArrows.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace tessellon {

namespace {

QIcon drawArrow(bool descending) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x40, 0x40, 0x40));
    const QPolygonF triangle = descending
                                   ? QPolygonF({QPointF(3, 5), QPointF(13, 5), QPointF(8, 11)})
                                   : QPolygonF({QPointF(3, 11), QPointF(13, 11), QPointF(8, 5)});
    painter.drawPolygon(triangle);
    return QIcon(picture);
}

} // namespace

QIcon sortArrow(bool descending) {
    static const QIcon ascendingArrow = drawArrow(false);
    static const QIcon descendingArrow = drawArrow(true);
    return descending ? descendingArrow : ascendingArrow;
}

} // namespace tessellon
