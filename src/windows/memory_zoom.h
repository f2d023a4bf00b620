#pragma once
// The memory zoom: fifteen memory rows around an asked address, with the word
// the current cycle accesses marked.
#include "zoom_window.h"

#include <cstdint>

class MemoryZoom : public ZoomWindow {
    Q_OBJECT
public:
    explicit MemoryZoom(MainWindow& main);

    void MN_Zoom_eguneratu(int32_t h10, const QString& h16);  // redraw around an address
    void MN_Zoom_txuritu();                                   // remove the accessed marks
    void MN_gazteleraz();                                     // the Spanish texts
    // The entry and the rows around the address on the memory address bus.
    void aroundBusAddress();

    // The address entry.
    void setHelbJoan(const QString& text) { helbJoan_ = text; }
    QString helbJoan() const { return helbJoan_; }

private:
    QString helbJoan_;
};
