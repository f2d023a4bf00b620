#include "display_check.h"

#include "model/globals.h"
#include "platform/services.h"

#include <algorithm>

int16_t toInt16(int32_t value) { return int16_t(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX)); }

DisplayNeed readDisplayMode(DisplayMode& R)
{
    Globals& g = G();
    g.Jatorrizko_Kolore_Sakonera = toInt16(R.Modua_Irakurri_Bitak());
    g.Jatorrizko_Zabalera = toInt16(R.Modua_Irakurri_Zabalera());
    g.Jatorrizko_Altuera = toInt16(R.Modua_Irakurri_Altuera());
    if (g.Jatorrizko_Zabalera < 1024 || g.Jatorrizko_Altuera < 768)
        return DisplayNeed::Question;
    if (g.Jatorrizko_Kolore_Sakonera != 16)
        return DisplayNeed::Depth;
    return DisplayNeed::Nothing;
}

void switchTo1024x768(DisplayMode& R)
{
    G().Pantaila_Aldatuta = true;
    R.Modua_Aldatu(1024, 768, 16);
}

void switchDepthTo16(DisplayMode& R)
{
    G().Pantaila_Aldatuta = true;
    // Read again, at full width: the saved values are the clamped 16-bit ones.
    const int32_t width = R.Modua_Irakurri_Zabalera();
    const int32_t height = R.Modua_Irakurri_Altuera();
    R.Modua_Aldatu(width, height, 16);
}

void restoreSavedDisplayMode(DisplayMode& R)
{
    const Globals& g = G();
    R.setModua_Bitak(g.Jatorrizko_Kolore_Sakonera);
    R.setModua_Zabalera(g.Jatorrizko_Zabalera);
    R.setModua_Altuera(g.Jatorrizko_Altuera);
    const int16_t width = toInt16(R.Modua_Zabalera());
    const int16_t height = toInt16(R.Modua_Altuera());
    const int16_t bits = toInt16(R.Modua_Bitak());
    R.Modua_Aldatu(width, height, bits);
}
