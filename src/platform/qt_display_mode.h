#pragma once
#include "services.h"

// The primary screen's mode as Qt sees it, in device pixels. On X11 a switch
// changes the size with the RandR extension when the primary output offers it;
// the colour depth of a running X server cannot change, so it stays. Elsewhere
// (Wayland, offscreen) a switch changes nothing.
class QtDisplayMode : public DisplayMode {
public:
    int32_t Modua_Irakurri_Bitak() override;
    int32_t Modua_Irakurri_Altuera() override;
    int32_t Modua_Irakurri_Zabalera() override;
    bool Modua_Aldatu(int32_t width, int32_t height, int32_t bits) override;
};
