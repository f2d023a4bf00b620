#include "colours.h"

QColor colour::toQColor(BGR value)
{
    switch (value) {
    case Window:
        return QColor(255, 255, 255);
    case ButtonText:
        return QColor(0, 0, 0);
    case ButtonFace:
        return QColor(212, 208, 200);
    case Transparent:
        return QColor(0, 0, 0, 0);
    default:
        return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
    }
}
