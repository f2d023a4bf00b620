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
    void setModua_Bitak(int32_t bits) override { wanted_.bits = bits; }
    int32_t Modua_Bitak() override { return wanted_.bits; }
    void setModua_Altuera(int32_t height) override { wanted_.height = height; }
    int32_t Modua_Altuera() override { return wanted_.height; }
    void setModua_Zabalera(int32_t width) override { wanted_.width = width; }
    int32_t Modua_Zabalera() override { return wanted_.width; }
    bool Modua_Aldatu(int32_t width, int32_t height, int32_t bits) override;

private:
    struct {
        int32_t width = 0, height = 0, bits = 0;
    } wanted_;
};
