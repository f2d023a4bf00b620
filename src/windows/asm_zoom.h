#pragma once
// The control algorithm as an ASM chart; the box of the running state is green.
#include "datapath/colours.h"
#include "zoom_window.h"

#include <QHash>
#include <cstdint>

class AsmZoom : public ZoomWindow {
    Q_OBJECT
public:
    explicit AsmZoom(MainWindow& main);

    // The eleven state boxes in state order, "ASM_fetch1" .. "ASM_beq3".
    static const QStringList& boxNames();

    void setBox(const QString& name, BGR c);
    BGR box(const QString& name) const;
    // State 0 clears every box; 1..11 paints that state's box green; anything else does nothing.
    void ASM_eguneratu(int16_t egoera);
    void ASM_gazteleraz();

private:
    QHash<QString, BGR> boxes_;
};
