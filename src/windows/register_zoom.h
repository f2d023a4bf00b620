#pragma once
// The register-set zoom: the 32 registers with their contents and the marks of
// the two read ports and the write port.
#include "zoom_window.h"

class RegisterZoom : public ZoomWindow {
    Q_OBJECT
public:
    explicit RegisterZoom(MainWindow& main);

    void EM_Eguneratu();
    void gazteleraz();  // the Spanish texts an opener writes
};
