#include "qt_display_mode.h"

#include "x11_randr.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QSize devicePixels()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QSize();
    // A scaled desktop reports a smaller logical size; the mode is what the output shows.
    return (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize();
}
}  // namespace

int32_t QtDisplayMode::Modua_Irakurri_Bitak()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
}

int32_t QtDisplayMode::Modua_Irakurri_Altuera() { return devicePixels().height(); }

int32_t QtDisplayMode::Modua_Irakurri_Zabalera() { return devicePixels().width(); }

bool QtDisplayMode::Modua_Aldatu(int32_t width, int32_t height, int32_t bits)
{
    const bool depthKept = bits == Modua_Irakurri_Bitak();
    if (devicePixels() == QSize(width, height))
        return depthKept;
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    return x11::switchPrimarySize(width, height) && depthKept;
}
