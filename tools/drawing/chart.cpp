#include "drawing/pictures.h"

#include <QFont>
#include <QLineF>
#include <QPainter>

#include <algorithm>

namespace drawing {

namespace {

constexpr qreal boxW = 50, boxH = 16;

void arrowLine(QPainter& p, const QPolygonF& path)
{
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(path);
    // Head at the last point, along the last segment.
    const QLineF last(path[path.size() - 2], path.last());
    const QLineF unit = last.unitVector();
    const QPointF d = unit.p2() - unit.p1(), n(-d.y(), d.x());
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF{path.last(), path.last() - d * 5 + n * 2.5, path.last() - d * 5 - n * 2.5});
}

void state(QPainter& p, qreal cx, qreal top, const QString& name)
{
    const QRectF box(cx - boxW / 2, top, boxW, boxH);
    p.setBrush(QColor(230, 236, 255));
    p.drawRect(box);
    p.drawText(box, Qt::AlignCenter, name);
}

} // namespace

QImage asmChart(QSize size)
{
    QImage image = canvas(size, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Laid out on a 260 x 200 grid and scaled evenly, so text keeps its shape.
    const qreal scale = std::min(size.width() / 260.0, size.height() / 200.0);
    p.translate((size.width() - 260 * scale) / 2, (size.height() - 200 * scale) / 2);
    p.scale(scale, scale);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QPen(QColor(30, 30, 30), 1));

    const qreal mid = 130, col[4] = {36, 100, 164, 228};
    const qreal rowA = 90, rowB = 116, rowC = 142, rowD = 168, back = 193;

    state(p, mid, 6, QStringLiteral("fetch1"));
    state(p, mid, 32, QStringLiteral("fetch2"));
    state(p, mid, 58, QStringLiteral("desk"));
    arrowLine(p, {QPointF(mid, 22), QPointF(mid, 32)});
    arrowLine(p, {QPointF(mid, 48), QPointF(mid, 58)});

    // Decoding fans out to one branch per instruction.
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(mid, 74), QPointF(mid, 82));
    p.drawLine(QPointF(col[0], 82), QPointF(col[3], 82));
    for (qreal x : col)
        arrowLine(p, {QPointF(x, 82), QPointF(x, rowA)});

    state(p, col[0], rowA, QStringLiteral("ld"));
    state(p, col[1], rowA, QStringLiteral("st"));
    state(p, col[2], rowA, QStringLiteral("add1"));
    state(p, col[2], rowB, QStringLiteral("add2"));
    state(p, col[2], rowC, QStringLiteral("add3"));
    state(p, col[3], rowA, QStringLiteral("beq1"));
    state(p, col[3], rowB, QStringLiteral("beq2"));
    state(p, col[3], rowD, QStringLiteral("beq3"));
    arrowLine(p, {QPointF(col[2], rowA + boxH), QPointF(col[2], rowB)});
    arrowLine(p, {QPointF(col[2], rowB + boxH), QPointF(col[2], rowC)});
    arrowLine(p, {QPointF(col[3], rowA + boxH), QPointF(col[3], rowB)});

    // beq2 tests Z: taken goes through beq3, not taken returns at once.
    const QPointF z(col[3], rowC + 8);
    const qreal dw = 15, dh = 9;
    arrowLine(p, {QPointF(col[3], rowB + boxH), QPointF(z.x(), z.y() - dh)});
    p.setBrush(QColor(255, 246, 220));
    p.drawPolygon(QPolygonF{z + QPointF(0, -dh), z + QPointF(dw, 0), z + QPointF(0, dh), z + QPointF(-dw, 0)});
    p.drawText(QRectF(z.x() - dw, z.y() - dh, 2 * dw, 2 * dh), Qt::AlignCenter, QStringLiteral("Z"));
    arrowLine(p, {QPointF(z.x(), z.y() + dh), QPointF(col[3], rowD)});

    // Every branch returns to fetch1 along the bottom and up the left side.
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{z + QPointF(dw, 0), QPointF(254, z.y()), QPointF(254, back)});
    for (const QPointF& end : {QPointF(col[0], rowA + boxH), QPointF(col[1], rowA + boxH),
                               QPointF(col[2], rowC + boxH), QPointF(col[3], rowD + boxH)})
        p.drawLine(end, QPointF(end.x(), back));
    arrowLine(p, {QPointF(254, back), QPointF(6, back), QPointF(6, 14), QPointF(mid - boxW / 2, 14)});

    QFont small = font;
    small.setPixelSize(8);
    p.setFont(small);
    p.drawText(QPointF(z.x() + 3, z.y() + dh + 8), QStringLiteral("1"));
    p.drawText(QPointF(z.x() + dw + 2, z.y() - 2), QStringLiteral("0"));
    return image;
}

} // namespace drawing
