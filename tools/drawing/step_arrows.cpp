#include "drawing/pictures.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

namespace drawing {

QImage stepArrow(Side pointsTo)
{
    // A solid black head on a short shaft, drawn pointing up and turned, so the
    // two buttons of a pair are mirror images of each other.
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygonF{QPointF(8, 1), QPointF(15, 9), QPointF(1, 9)});
        p.drawRect(QRectF(5, 9, 6, 6));
    }
    qreal turn = 0;
    switch (pointsTo) {
    case Side::Top: turn = 0; break;
    case Side::Right: turn = 90; break;
    case Side::Bottom: turn = 180; break;
    case Side::Left: turn = 270; break;
    }
    return onKey(image).transformed(QTransform().rotate(turn));
}

} // namespace drawing
