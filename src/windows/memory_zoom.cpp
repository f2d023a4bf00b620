#include "memory_zoom.h"

#include "datapath/diagram.h"
#include "main_window.h"
#include "model/funtzioak.h"

MemoryZoom::MemoryZoom(MainWindow& main) : ZoomWindow(main, QStringLiteral("MN_Zoom")) {}

void MemoryZoom::MN_Zoom_eguneratu(int32_t, const QString&) {}
void MemoryZoom::MN_Zoom_txuritu() {}
void MemoryZoom::MN_gazteleraz() {}

void MemoryZoom::aroundBusAddress()
{
    const std::string address = main_.diagram()(QStringLiteral("Bus_mux_MN_Gezia")).tip().toStdString();
    const QString hex = QString::fromStdString(Bitarretik_Hamaseitarrera(address));
    setHelbJoan(hex);
    MN_Zoom_eguneratu(Bitarretik_Hamartarrera(address), hex);
}
