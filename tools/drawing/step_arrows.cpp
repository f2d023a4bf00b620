#include "drawing/pictures.h"

#include <QPainter>
#include <QPolygonF>

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
    return turned(onKey(image), Side::Top, pointsTo);
}

} // namespace drawing
