#include "register_zoom.h"

RegisterZoom::RegisterZoom(MainWindow& main) : ZoomWindow(main, QStringLiteral("EM_Zoom")) {}

void RegisterZoom::EM_Eguneratu() {}
void RegisterZoom::gazteleraz() {}
