#include "drawing/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace drawing {

namespace {

const QSize flagSize(30, 27);
const QPointF flagCentre(15, 13.5);
const qreal flagRadius = 13;

// Paints the field through `paintField` clipped to the disc, then a thin rim
// that hides the clip's hard edge.
template <typename Field>
QImage roundFlag(Field paintField)
{
    QImage image(flagSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(flagCentre, flagRadius, flagRadius);
    p.setClipPath(disc);
    p.setPen(Qt::NoPen);
    paintField(p, QRectF(flagCentre.x() - flagRadius, flagCentre.y() - flagRadius, 2 * flagRadius, 2 * flagRadius));
    p.setClipping(false);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(flagCentre, flagRadius, flagRadius);
    p.end();
    return onKey(image);
}

} // namespace

QImage basqueFlag()
{
    return roundFlag([](QPainter& p, const QRectF& r) {
        p.fillRect(r, QColor(213, 43, 30));
        p.setPen(QPen(QColor(0, 150, 70), 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    });
}

QImage spanishFlag()
{
    return roundFlag([](QPainter& p, const QRectF& r) {
        p.fillRect(r, QColor(198, 11, 30));
        p.fillRect(QRectF(r.left(), r.top() + r.height() / 4, r.width(), r.height() / 2), QColor(255, 196, 0));
    });
}

} // namespace drawing
