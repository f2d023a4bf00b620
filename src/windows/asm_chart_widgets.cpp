#include "asm_chart_widgets.h"

#include "asm_chart.h"

#include <QLineF>
#include <QPainter>

namespace {
// An arrowhead: two lines this long, this far either side of the shaft, in twips.
constexpr qreal kHeadLength = 105, kHeadSpread = 45;
}  // namespace

ChartBox::ChartBox(const QString& name, const QRect& twips, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(pixels(twips));
    // It fills all of itself: a new colour repaints the box, not the frame under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartBox::setText(const QString& text)
{
    if (text_ == text)
        return;
    text_ = text;
    update();
}

void ChartBox::setBack(BGR c)
{
    if (back_ == c)
        return;
    back_ = c;
    update();
}

void ChartBox::setFore(BGR c)
{
    fore_ = c;
    update();
}

void ChartBox::setBordered(bool on)
{
    bordered_ = on;
    update();
}

void ChartBox::setAlignment(Qt::Alignment a)
{
    align_ = a;
    update();
}

void ChartBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, colour::toQColor(back_));
    if (bordered_) {
        // Sunken, as a text box is.
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(255, 255, 255));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(QColor(64, 64, 64));
        p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
        p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    }
    QString shown = text_;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    p.setPen(colour::toQColor(fore_));
    p.setFont(font());
    p.drawText(r.adjusted(4, 3, -3, -2), int(align_) | Qt::TextWordWrap, shown);
}

ChartFrame::ChartFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setGeometry(pixels(asm_chart::kFrame));
    caption_ = QLatin1String(asm_chart::kFrameBasque);
}

void ChartFrame::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void ChartFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor back = colour::toQColor(asm_chart::kChartBack);
    p.fillRect(rect(), back);

    // An etched border whose top line runs through the caption.
    const QFontMetrics fm(font());
    const int lineY = fm.height() / 2;
    const QRect border = rect().adjusted(0, lineY, -2, -2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(border);
    p.setPen(QColor(255, 255, 255));
    p.drawRect(border.translated(1, 1));
    const QRect caption(8, 0, fm.horizontalAdvance(caption_), fm.height());
    p.fillRect(caption, back);
    p.setPen(colour::toQColor(asm_chart::kFrameFore));
    p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, caption_);

    // The chart itself is laid out in twips.
    p.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    p.setPen(QPen(Qt::black, 0));
    for (const asm_chart::Decision& d : asm_chart::kDecisions)
        p.drawPolygon(asm_chart::decisionOutline(QRect(d.left, d.top, d.width, d.height)));
    for (const asm_chart::Segment& s : asm_chart::kSegments) {
        const QLineF shaft(s.x1, s.y1, s.x2, s.y2);
        p.drawLine(shaft);
        if (*s.to == '\0')
            continue;
        const QLineF unit = shaft.unitVector();
        const QPointF along = unit.p2() - unit.p1();
        const QPointF across(-along.y(), along.x());
        const QPointF tip = shaft.p2();
        p.drawLine(QLineF(tip, tip - along * kHeadLength + across * kHeadSpread));
        p.drawLine(QLineF(tip, tip - along * kHeadLength - across * kHeadSpread));
    }
}
