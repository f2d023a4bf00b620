#pragma once
// The control algorithm as an ASM chart; the box of the running state is green.
// Its controls keep their design names: the state boxes "ASM_fetch1" ..
// "ASM_beq3" and the decisions "AK" and "Z" are ChartBoxes, the labels
// "Label1" .. "Label23" QLabels, the frame "Frame1" a ChartFrame.
#include "datapath/colours.h"
#include "zoom_window.h"

#include <QHash>
#include <cstdint>

class ChartBox;
class ChartFrame;
class QLabel;

class AsmZoom : public ZoomWindow {
    Q_OBJECT
public:
    explicit AsmZoom(MainWindow& main);

    // The eleven state boxes in state order, "ASM_fetch1" .. "ASM_beq3".
    static const QStringList& boxNames();

    // The back colour of a state box.
    void setBox(const QString& name, BGR c);
    BGR box(const QString& name) const;
    // State 0 clears every box; 1..11 paints that state's box green; anything else does nothing.
    void ASM_eguneratu(int16_t egoera);
    void ASM_gazteleraz();

private:
    void writeSpanish(const QString& name);

    ChartFrame* frame_ = nullptr;
    QHash<QString, ChartBox*> boxes_;  // the state boxes
    QHash<QString, ChartBox*> decisions_;
    QHash<QString, QLabel*> labels_;
};
