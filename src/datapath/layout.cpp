#include "layout.h"

#include "bus_table.h"
#include "diagram.h"

void buildMainWindowDiagram(Diagram& dg)
{
    for (const BusLayout& bus : busLayouts()) {
        const QVector<QPoint> at = piecePositions(bus);
        for (int i = 0; i < bus.pieces; ++i)
            dg.add(ElementKind::BusPiece, QLatin1String(bus.name), QRect(at[i], QSize(kPieceSize, kPieceSize)), i);
        dg.add(ElementKind::Arrow, QLatin1String(bus.name) + QLatin1String("_Gezia"), bus.arrow);
    }
    dg.scene().setSceneRect(0, 0, 15600, 11400);
}
