#include "layout.h"

#include "bus_table.h"
#include "diagram.h"
#include "layout_table.h"

namespace layout {
namespace {
void applyStyle(Element& e, Style style)
{
    switch (style) {
    case Style::Plain:
        break;
    case Style::Value:
        e.setMonospace(true);
        break;
    case Style::Name:
        e.setBold(true);
        e.setFontTwips(165);
        break;
    case Style::Title:
        e.setBold(true);
        e.setFontTwips(270);
        break;
    case Style::Left:
        e.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    case Style::Right:
        e.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Style::Lines:
        e.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    case Style::Key:
        e.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        e.setKeyAtRight(true);
        break;
    }
}
}  // namespace

void addAll(Diagram& dg, const Row* rows, int count)
{
    for (int i = 0; i < count; ++i) {
        const Row& s = rows[i];
        Element& e = dg.add(s.kind, QLatin1String(s.name), QRect(s.x, s.y, s.w, s.h), s.index);
        e.setText(QString::fromUtf8(s.text));
        e.setBack(s.back);
        applyStyle(e, s.style);
    }
}
}  // namespace layout

void buildMainWindowDiagram(Diagram& dg)
{
    for (const BusLayout& bus : busLayouts()) {
        const QVector<QPoint> at = piecePositions(bus);
        for (int i = 0; i < bus.pieces; ++i)
            dg.add(ElementKind::BusPiece, QLatin1String(bus.name), QRect(at[i], QSize(kPieceSize, kPieceSize)), i);
        dg.add(ElementKind::Arrow, QLatin1String(bus.name) + QLatin1String("_Gezia"), bus.arrow);
    }
    layout::addDatapathComponents(dg);
    layout::addControlPanels(dg);
    dg.scene().setSceneRect(0, 0, 15360, 11520);
    dg.scene().setBackgroundBrush(colour::toQColor(colour::ButtonFace));
}
