#pragma once
// Looking at what a window shows: pictures for the eye, and colours as drawn.
#include <QDir>
#include <QImage>
#include <QWidget>

// The folder that RIRI_SHOTS (or RIRI_LOOK) names for pictures of the windows,
// made if missing; empty when none is named and no picture is wanted.
inline QString pictureFolder()
{
    QString dir = qEnvironmentVariable("RIRI_SHOTS");
    if (dir.isEmpty())
        dir = qEnvironmentVariable("RIRI_LOOK");
    if (!dir.isEmpty())
        QDir().mkpath(dir);
    return dir;
}

// Saves `w` as <name>.png in the picture folder, when one is named.
inline void savePicture(QWidget& w, const QString& name)
{
    const QString dir = pictureFolder();
    if (!dir.isEmpty())
        w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The colour that `part` shows at `at` (its own coordinates) once its window is drawn.
inline QColor colourSeen(const QWidget& part, QPoint at)
{
    QWidget* window = part.window();
    return window->grab().toImage().pixelColor(part.mapTo(window, at));
}
