#include "drawing/pictures.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace drawing {

QImage clockFrame(int position)
{
    const bool edge = position % 12 == 0;
    const QPointF centre(32, 32);
    // Clockwise from twelve o'clock; y grows downwards.
    auto at = [&](qreal turnsOf12, qreal radius) {
        const qreal a = turnsOf12 * std::numbers::pi / 6;
        return centre + QPointF(std::sin(a) * radius, -std::cos(a) * radius);
    };

    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor rim = edge ? QColor(0, 200, 0) : QColor(70, 70, 70);
    const qreal rimWidth = edge ? 4 : 2;
    p.setPen(QPen(rim, rimWidth));
    p.setBrush(edge ? QColor(232, 255, 232) : QColor(255, 255, 240));
    p.drawEllipse(centre, 31.5 - rimWidth / 2, 31.5 - rimWidth / 2);

    for (int i = 0; i < 12; ++i) {
        const bool quarter = i % 3 == 0;
        p.setPen(QPen(QColor(40, 40, 40), quarter ? 2.5 : 1.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(at(i, quarter ? 21 : 24), at(i, 28));
    }

    if (edge) {
        // A rising-edge glyph in the lower half, which the hand never covers at twelve.
        p.setPen(QPen(QColor(0, 150, 0), 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{QPointF(23, 49), QPointF(32, 49), QPointF(32, 42), QPointF(41, 42)});
    }

    // The hand: a tapering needle with a hub, dark so it reads at a glance.
    const qreal a = position * std::numbers::pi / 6;
    const QPointF dir(std::sin(a), -std::cos(a));
    const QPointF across(-dir.y(), dir.x());
    const QColor hand(20, 20, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(hand);
    p.drawPolygon(QPolygonF{centre - dir * 3 + across * 1.8, centre + dir * 15 + across * 1.8,
                            centre + dir * 23, centre + dir * 15 - across * 1.8,
                            centre - dir * 3 - across * 1.8});
    p.drawEllipse(centre, 3, 3);
    p.end();
    return onKey(image);
}

} // namespace drawing
