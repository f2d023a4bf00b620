#include "drawing/pictures.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

namespace drawing {

namespace {
// Quarter turns clockwise from pointing up.
int quarters(Side side)
{
    switch (side) {
    case Side::Top: return 0;
    case Side::Right: return 1;
    case Side::Bottom: return 2;
    case Side::Left: return 3;
    }
    return 0;
}
}  // namespace

QImage turned(const QImage& image, Side drawnTowards, Side pointsTo)
{
    const int turns = (quarters(pointsTo) - quarters(drawnTowards) + 4) % 4;
    return image.transformed(QTransform().rotate(90.0 * turns));
}

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
    return turned(onKey(image), Side::Right, pointsTo);
}

} // namespace drawing
