#pragma once
// Shared by the datapath tests: the start look brought about by hand, and the
// look of a whole bus in one comparison.
#include "datapath/bus_table.h"
#include "sim_fixture.h"

#include <QStringList>

inline void bringToStartLook(Sim& s)
{
    Datapath& d = s.dp();
    d.osagaiak_hasieratu();
    d.Erloju_Irudia_hasieratu();
    d.Rd_aldatu();
    d.Ri_aldatu();
    d.Rj_aldatu();
    d.Busak_hasieratu();
}

inline Element& arrowOf(Sim& s, const QString& bus) { return s.el(bus + QLatin1String("_Gezia")); }

// Pieces whose back colour is not `colour`, as "bus(i)" ids; empty when all are.
inline QStringList piecesNot(Sim& s, const QString& bus, BGR colour)
{
    QStringList out;
    for (Element* e : s.w->diagram().members(bus))
        if (e->back() != colour)
            out << e->id();
    return out;
}

// Pieces and arrow whose tooltip is not `value`.
inline QStringList tipsNot(Sim& s, const QString& bus, const QString& value)
{
    QStringList out;
    for (Element* e : s.w->diagram().members(bus))
        if (e->tip() != value)
            out << e->id() + QLatin1Char('=') + e->tip();
    if (arrowOf(s, bus).tip() != value)
        out << bus + QLatin1String("_Gezia=") + arrowOf(s, bus).tip();
    return out;
}

// Every piece in `colour` and the arrow showing `version` of its own direction.
inline bool busLooks(Sim& s, const QString& bus, BGR colour, const char* version)
{
    return piecesNot(s, bus, colour).isEmpty() &&
           arrowOf(s, bus).picture() == arrowPicture(busLayout(bus).dir, version);
}

inline QStringList allBuses()
{
    QStringList out;
    for (const BusLayout& b : busLayouts())
        out << QLatin1String(b.name);
    return out;
}
