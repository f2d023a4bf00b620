#pragma once
// Shared by the ASM zoom tests: what the window shows, read from its controls.
#include "windows/asm_chart_widgets.h"
#include "windows/asm_zoom.h"

#include <QStringList>

// The state boxes shown green, in state order.
inline QStringList greenBoxes(const AsmZoom& z)
{
    QStringList green;
    for (const QString& name : AsmZoom::boxNames())
        if (z.box(name) == colour::Green)
            green << name;
    return green;
}

inline QString boxText(const AsmZoom& z, const QString& name) { return z.findChild<ChartBox*>(name)->text(); }
