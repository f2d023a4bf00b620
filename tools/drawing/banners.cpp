#include "drawing/pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace drawing {

namespace {

// The two lines are set as large as both fit between the margins, so a
// longer translation simply comes out a little smaller.
QImage banner(const QString& first, const QString& second)
{
    const QSize size(659, 181);
    const qreal margin = 28;
    QImage image = canvas(size, QColor(248, 248, 252));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(0, 0, 200), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, size.width() - 4, size.height() - 4));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    const qreal lineGap = 22;
    for (int px = 80; px >= 10; --px) {
        font.setPixelSize(px);
        const QFontMetricsF fm(font);
        const qreal widest = std::max(fm.horizontalAdvance(first), fm.horizontalAdvance(second));
        if (widest <= size.width() - 2 * margin && 2 * fm.capHeight() + lineGap <= size.height() - 2 * margin)
            break;
    }
    const QFontMetricsF fm(font);
    p.setFont(font);
    p.setPen(QColor(0, 0, 200));
    // Capitals only, so centre on the cap height rather than the full line height.
    const qreal cap = fm.capHeight();
    const qreal top = (size.height() - (2 * cap + lineGap)) / 2;
    const qreal baselines[2] = {top + cap, top + 2 * cap + lineGap};
    const QString lines[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        const qreal x = (size.width() - fm.horizontalAdvance(lines[i])) / 2;
        p.drawText(QPointF(x, baselines[i]), lines[i]);
    }
    return image;
}

} // namespace

QImage spanishBanner()
{
    return banner(QStringLiteral("SISTEMA INICIALIZANDO:"), QStringLiteral("ESPERE HASTA QUE TERMINE!"));
}

QImage basqueBanner()
{
    return banner(QStringLiteral("SISTEMA HASIERATZEN ARI DA:"), QStringLiteral("ITXARON AMAITU ARTE!"));
}

} // namespace drawing
