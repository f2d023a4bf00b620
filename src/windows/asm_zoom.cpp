#include "asm_zoom.h"

AsmZoom::AsmZoom(MainWindow& main) : ZoomWindow(main, QStringLiteral("ASM_Zoom"))
{
    for (const QString& name : boxNames())
        boxes_.insert(name, colour::Window);
}

const QStringList& AsmZoom::boxNames()
{
    static const QStringList names = {"ASM_fetch1", "ASM_fetch2", "ASM_desk", "ASM_ld",   "ASM_st",  "ASM_add1",
                                      "ASM_add2",   "ASM_add3",   "ASM_beq1", "ASM_beq2", "ASM_beq3"};
    return names;
}

void AsmZoom::setBox(const QString& name, BGR c)
{
    // A misspelt box would silently never light up.
    if (!boxes_.contains(name))
        qFatal("No ASM zoom box named %s", qPrintable(name));
    boxes_[name] = c;
}

BGR AsmZoom::box(const QString& name) const
{
    return boxes_.value(name, colour::Window);
}

void AsmZoom::ASM_eguneratu(int16_t egoera)
{
    if (egoera == 0) {
        for (const QString& name : boxNames())
            boxes_[name] = colour::Window;
    } else if (egoera >= 1 && egoera <= boxNames().size()) {
        boxes_[boxNames().at(egoera - 1)] = colour::Green;
    }
}

void AsmZoom::ASM_gazteleraz() {}
