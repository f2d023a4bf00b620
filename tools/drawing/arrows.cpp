#include "drawing/pictures.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

namespace drawing {

QColor arrowFill(ArrowColour colour)
{
    switch (colour) {
    case ArrowColour::White: return QColor(255, 255, 255);
    case ArrowColour::Red: return QColor(255, 0, 0);
    case ArrowColour::Info: return QColor(0, 192, 192);
    }
    return {};
}

QImage arrow(Side pointsTo, ArrowColour colour)
{
    // Drawn pointing right, then turned by whole quarter turns so the four
    // directions are pixel-for-pixel the same shape.
    QImage image(17, 25, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QPolygonF outer{QPointF(0, 0), QPointF(17, 12.5), QPointF(0, 25)};
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        drawOutlined(p, outer, QColor(64, 64, 64), arrowFill(colour), 1.0);
    }
    qreal turn = 0;
    switch (pointsTo) {
    case Side::Right: turn = 0; break;
    case Side::Bottom: turn = 90; break;
    case Side::Left: turn = 180; break;
    case Side::Top: turn = 270; break;
    }
    return onKey(image).transformed(QTransform().rotate(turn));
}

} // namespace drawing
