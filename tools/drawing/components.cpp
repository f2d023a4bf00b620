#include "drawing/pictures.h"

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

namespace drawing {

namespace {

const QColor outlineColour(40, 40, 40);
const QColor restBlue(192, 192, 255);

QImage transparent(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QFont boldFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace

QPolygonF inset(const QPolygonF& poly, qreal d)
{
    const int n = poly.size();
    qreal area = 0;
    for (int i = 0; i < n; ++i)
        area += poly[i].x() * poly[(i + 1) % n].y() - poly[(i + 1) % n].x() * poly[i].y();
    // With y pointing down a positive area means clockwise on screen, whose
    // left-hand normals point outwards.
    const qreal inward = area > 0 ? -1 : 1;
    auto shifted = [&](int i) {
        const QLineF edge(poly[i], poly[(i + 1) % n]);
        const QLineF normal = edge.normalVector().unitVector();
        return edge.translated((normal.p2() - normal.p1()) * d * inward);
    };
    QPolygonF result;
    for (int i = 0; i < n; ++i) {
        QPointF corner = poly[i];
        shifted((i + n - 1) % n).intersects(shifted(i), &corner);
        result << corner;
    }
    return result;
}

void drawOutlined(QPainter& p, const QPolygonF& shape, QColor line, QColor fill, qreal width)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawPolygon(shape);
    p.setBrush(fill);
    p.drawPolygon(inset(shape, width));
    p.restore();
}

QImage alu(bool lit)
{
    QImage image = transparent({224, 80});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Wide top with the V notch between the inputs, narrowing to the output.
    const QPolygonF shape{QPointF(0, 0),   QPointF(90, 0),   QPointF(112, 26), QPointF(134, 0),
                          QPointF(224, 0), QPointF(162, 80), QPointF(62, 80)};
    drawOutlined(p, shape, outlineColour, lit ? QColor(255, 96, 96) : restBlue, 2);
    p.setFont(boldFont(14));
    p.setPen(outlineColour);
    p.drawText(QRectF(24, 4, 20, 18), Qt::AlignCenter, QStringLiteral("B"));
    p.drawText(QRectF(186, 4, 20, 18), Qt::AlignCenter, QStringLiteral("A"));
    p.end();
    return onKey(image);
}

QImage adder(bool lit)
{
    const QColor ink = lit ? QColor(220, 0, 0) : QColor(128, 0, 160);
    QImage image = transparent({64, 48});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF shape{QPointF(0, 0),  QPointF(24, 0),  QPointF(32, 9), QPointF(40, 0),
                          QPointF(64, 0), QPointF(46, 48), QPointF(18, 48)};
    drawOutlined(p, shape, ink, Qt::white, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(23, 25, 18, 4));
    p.drawRect(QRectF(30, 18, 4, 18));
    p.end();
    return onKey(image);
}

QImage multiplexer(QSize size, Side outputSide)
{
    const qreal w = size.width(), h = size.height();
    // (along, across) in 0..1, along running from the inputs to the output.
    auto point = [&](qreal along, qreal across) {
        switch (outputSide) {
        case Side::Right: return QPointF(along * w, across * h);
        case Side::Left: return QPointF((1 - along) * w, across * h);
        case Side::Bottom: return QPointF(across * w, along * h);
        case Side::Top: return QPointF(across * w, (1 - along) * h);
        }
        return QPointF();
    };
    const qreal narrow = 0.2;
    QImage image = transparent(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawOutlined(p, QPolygonF{point(0, 0), point(1, narrow), point(1, 1 - narrow), point(0, 1)},
                 outlineColour, restBlue, 2);
    p.end();
    return onKey(image);
}

QImage infoIcon()
{
    QImage image = transparent({32, 32});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(12, 10), 20);
    shade.setColorAt(0, QColor(90, 160, 255));
    shade.setColorAt(1, QColor(0, 70, 200));
    p.setPen(QPen(QColor(0, 45, 140), 1));
    p.setBrush(shade);
    p.drawEllipse(QPointF(16, 16), 15.5, 15.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 8.5), 2.8, 2.8);
    QPainterPath stem;
    stem.addPolygon(QPolygonF{QPointF(12.5, 13), QPointF(18.5, 13), QPointF(18.5, 23), QPointF(20.5, 23),
                              QPointF(20.5, 26), QPointF(11.5, 26), QPointF(11.5, 23), QPointF(13.5, 23),
                              QPointF(13.5, 16), QPointF(12.5, 16)});
    p.drawPath(stem);
    p.end();
    return onKey(image);
}

QImage logo()
{
    QImage image = transparent({76, 59});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(9, 8, 58, 43);
    // Pins first so the body covers their inner ends.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(200, 200, 205));
    for (int i = 0; i < 6; ++i) {
        const qreal x = 13.5 + i * 9;
        p.drawRect(QRectF(x, 0.5, 5, 10));
        p.drawRect(QRectF(x, 48.5, 5, 10));
    }
    for (int i = 0; i < 3; ++i) {
        const qreal y = 15.5 + i * 12;
        p.drawRect(QRectF(0.5, y, 11, 5));
        p.drawRect(QRectF(64.5, y, 11, 5));
    }
    p.setPen(QPen(QColor(20, 20, 30), 1.5));
    p.setBrush(QColor(45, 50, 75));
    p.drawRoundedRect(body, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 125, 150));
    p.drawEllipse(QPointF(15, 14), 2, 2);
    p.setFont(boldFont(14));
    p.setPen(Qt::white);
    p.drawText(body.adjusted(0, 2, 0, 0), Qt::AlignCenter, QStringLiteral("RIRIv4"));
    p.end();
    return onKey(image);
}

} // namespace drawing
